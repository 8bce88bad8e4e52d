// What File is on every system; file_posix.cpp and file_win32.cpp hold the
// rest.
#include "io/file.h"

#include <cstdio>
#include <utility>

#include "io/system_error.h"

namespace bintool {

File::File(File&& other) noexcept { *this = std::move(other); }

File& File::operator=(File&& other) noexcept {
  close();
  fd_ = std::exchange(other.fd_, -1);
  error_ = other.error_;
  identity_ = std::move(other.identity_);
  regular_ = other.regular_;
  on_fuse_ = other.on_fuse_;
  size_ = other.size_;
  mode_ = other.mode_;
  owner_ = other.owner_;
  group_ = other.group_;
  return *this;
}

File::~File() { close(); }

bool File::failed() const {
  error_ = last_system_error();
  return false;
}

std::optional<uint64_t> File::position() const {
  int64_t at = seek_to(0, SEEK_CUR);
  return at < 0 ? std::nullopt : std::optional(static_cast<uint64_t>(at));
}

bool File::seek(uint64_t offset) {
  // An offset past INT64_MAX turns negative, which the system refuses.
  return seek_to(static_cast<int64_t>(offset), SEEK_SET) >= 0 || failed();
}

int64_t File::length() const {
  if (fd_ < 0 || regular_) {
    return size_;
  }
  // A device's end position; -1 for a pipe, which has none.
  int64_t at = seek_to(0, SEEK_CUR);
  int64_t end = at < 0 ? -1 : seek_to(0, SEEK_END);
  if (end < 0 || seek_to(at, SEEK_SET) < 0) {
    failed();
    return -1;
  }
  return end;
}

bool same_file(const File& a, const File& b) {
  return a.identity() && a.identity() == b.identity();
}

}  // namespace bintool
