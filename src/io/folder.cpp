// A folder held open while a run changes it; folder_posix.cpp and
// folder_win32.cpp hold the calls.
#include "io/folder.h"

#include <utility>

#include "io/system_error.h"

namespace bintool {

Folder::Folder(Folder&& other) noexcept { *this = std::move(other); }

Folder& Folder::operator=(Folder&& other) noexcept {
  std::swap(fd_, other.fd_);
  std::swap(error_, other.error_);
  std::swap(path_, other.path_);
  return *this;
}

bool Folder::failed() {
  error_ = last_system_error();
  return false;
}

}  // namespace bintool
