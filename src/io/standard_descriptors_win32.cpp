// The three standard descriptors, on Windows.
#include <fcntl.h>
#include <io.h>

#include "io/standard_descriptors.h"

namespace bintool {

bool fill_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (_get_osfhandle(fd) >= 0) {
      continue;
    }
    int null_device = _open("NUL", _O_RDONLY | _O_BINARY);
    if (null_device < 0) {
      return false;
    }
    if (null_device != fd) {
      _dup2(null_device, fd);
      _close(null_device);
    }
  }
  return true;
}

}  // namespace bintool
