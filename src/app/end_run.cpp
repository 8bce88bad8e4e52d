// How a command ends the run early: the process ends, status 0.
#include <cstdio>
#include <cstdlib>

#include "app/conventions.h"

namespace bintool {

void end_run() {
  std::fflush(stdout);
  std::exit(0);
}

}  // namespace bintool
