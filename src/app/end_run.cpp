// How a command ends the run early: the process ends, status 0.
#include <cstdio>
#include <cstdlib>

#include "app/standard_output.h"

namespace bintool {

void end_run() {
  flush_output();
  std::exit(0);
}

}  // namespace bintool
