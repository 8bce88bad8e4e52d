// Standard output on POSIX.
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "app/standard_output.h"

namespace bintool {

void prepare_output() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

bool close_a_copy_of_output() {
  int copy = dup(fileno(stdout));
  return copy < 0 || close(copy) == 0;
}

bool output_and_errors_on_a_terminal() {
  return isatty(1) != 0 && isatty(2) != 0;
}

}  // namespace bintool
