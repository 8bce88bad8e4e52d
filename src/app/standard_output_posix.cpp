// Standard output on POSIX.
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "app/standard_output.h"
#include "io/system_error.h"

namespace bintool {

void prepare_output() {
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
}

void close_output() {
  if (!flush_output()) {
    return;
  }
  // Closing a second descriptor of standard output asks the system for
  // everything closing it would report.
  int copy = dup(fileno(stdout));
  if (copy >= 0 && close(copy) != 0) {
    output_failed(last_system_error());
  }
}

bool output_and_errors_on_a_terminal() {
  return isatty(1) != 0 && isatty(2) != 0;
}

}  // namespace bintool
