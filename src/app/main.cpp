// Program entry.
#include "app/dispatch.h"
#include "app/failure.h"
#include "app/standard_output.h"
#include "io/standard_descriptors.h"
#include "io/system_error.h"

int main(int argc, char* argv[]) {
  // Nothing may open while a file could take the place of standard output.
  if (!bintool::fill_standard_descriptors()) {
    bintool::say_error(
        "standard file descriptors: " +
        bintool::system_error_text(bintool::last_system_error()));
    return 1;
  }
  bintool::prepare_output();
  return bintool::run(argc, argv);
}
