// The three standard descriptors, on POSIX.
#include <fcntl.h>
#include <unistd.h>

#include "io/standard_descriptors.h"

namespace bintool {

bool fill_standard_descriptors() {
  // An open takes the lowest free descriptor, so going up from 0 each open
  // lands on the one found closed.
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", O_RDONLY) < 0) {
      return false;
    }
  }
  return true;
}

}  // namespace bintool
