// What the system says when a call fails, on POSIX: errno.
#include <cerrno>
#include <cstring>

#include "io/system_error.h"

namespace bintool {

int last_system_error() { return errno; }

std::string system_error_text(int error) { return std::strerror(error); }

bool not_found(int error) { return error == ENOENT; }

bool out_of_descriptors(int error) {
  return error == EMFILE || error == ENFILE;
}

bool name_taken(int error) { return error == EEXIST; }

bool no_reader_yet(int error) { return error == ENXIO; }

bool reader_gone(int error) { return error == EPIPE; }

bool sync_unsupported(int error) { return error == EINVAL; }

}  // namespace bintool
