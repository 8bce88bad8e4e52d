// The three standard descriptors.
#include "io/standard_descriptors.h"

#include <fcntl.h>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bintool {

void fill_standard_descriptors() {
  // An open takes the lowest free descriptor, so going up from 0 each open
  // lands on the one found closed.
  for (int fd = 0; fd <= 2; ++fd) {
#ifdef _WIN32
    if (_get_osfhandle(fd) < 0) {
      int null_device = _open("NUL", _O_RDONLY | _O_BINARY);
      if (null_device >= 0 && null_device != fd) {
        _dup2(null_device, fd);
        _close(null_device);
      }
    }
#else
    if (fcntl(fd, F_GETFD) < 0) {
      ::open("/dev/null", O_RDONLY);
    }
#endif
  }
}

bool reader_gone(int error) {
#ifdef _WIN32
  // A pipe whose reader has gone fails a write with ERROR_NO_DATA, which
  // the C runtime reports as EINVAL.
  DWORD last = GetLastError();
  return error == EPIPE || last == ERROR_NO_DATA || last == ERROR_BROKEN_PIPE;
#else
  return error == EPIPE;
#endif
}

}  // namespace bintool
