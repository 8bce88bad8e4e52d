// Standard output on Windows.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "app/standard_output.h"

namespace bintool {

// Bytes pass unchanged, H's own CR LF too; standard error's lines end as
// standard output's do.
void prepare_output() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool close_a_copy_of_output() {
  int copy = _dup(_fileno(stdout));
  return copy < 0 || _close(copy) == 0;
}

bool output_and_errors_on_a_terminal() {
  return _isatty(1) != 0 && _isatty(2) != 0;
}

}  // namespace bintool
