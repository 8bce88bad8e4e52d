// RAII ownership of one file stream, and file identity.
#include "app/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace bintool {
namespace {

const char* mode_text(OpenMode mode) {
  switch (mode) {
    case OpenMode::kRead:
      return "rb";
    case OpenMode::kCreate:
      return "w+b";
    case OpenMode::kUpdate:
      return "r+b";
  }
  return "rb";
}

}  // namespace

File::File(File&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    stream_ = std::exchange(other.stream_, nullptr);
  }
  return *this;
}

File::~File() { close(); }

File File::open(const char* path, OpenMode mode) {
  if (path == nullptr) {
    return File();
  }
  int flags = mode == OpenMode::kRead     ? O_RDONLY
              : mode == OpenMode::kCreate ? O_RDWR | O_CREAT | O_TRUNC
                                          : O_RDWR;
  // Opened without waiting, so a named pipe with no writer cannot hang the
  // run; it then reads as empty, like any pipe whose writer is gone.
  int fd = ::open(path, flags | O_NONBLOCK, 0666);
  if (fd < 0) {
    return File();
  }
  // On Linux a directory opens for reading; it still is not a file.
  struct stat info {};
  std::FILE* stream = nullptr;
  if (fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode) &&
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) {
    stream = fdopen(fd, mode_text(mode));
  }
  if (stream == nullptr) {
    ::close(fd);
    return File();
  }
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return File(stream);
}

int File::descriptor() const {
  return stream_ == nullptr ? -1 : fileno(stream_);
}

size_t File::read(std::span<uint8_t> into) {
  if (stream_ == nullptr || into.empty()) {
    return 0;
  }
  return std::fread(into.data(), 1, into.size(), stream_);
}

bool File::write(std::span<const uint8_t> bytes) {
  if (stream_ == nullptr) {
    return false;
  }
  if (bytes.empty()) {
    return true;
  }
  return std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size();
}

bool File::seek(uint64_t offset) {
  if (stream_ == nullptr || offset > static_cast<uint64_t>(INT64_MAX)) {
    return false;
  }
  return fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

int64_t File::size() {
  if (stream_ == nullptr) {
    return -1;
  }
  struct stat info {};
  if (fstat(fileno(stream_), &info) == 0 && S_ISREG(info.st_mode)) {
    return info.st_size;
  }
  if (fseeko(stream_, 0, SEEK_END) != 0) {
    return -1;
  }
  off_t end = ftello(stream_);
  return end < 0 ? -1 : static_cast<int64_t>(end);
}

uint64_t File::copy_in_kernel(File& from, uint64_t count) {
  if (stream_ == nullptr || from.stream_ == nullptr) {
    return 0;
  }
  // The streams are unbuffered, so their positions are the descriptors'.
  off_t from_at = ftello(from.stream_);
  off_t to_at = ftello(stream_);
  if (from_at < 0 || to_at < 0) {
    return 0;
  }
  uint64_t copied = 0;
  while (copied < count) {
    auto chunk = static_cast<size_t>(
        std::min<uint64_t>(count - copied, uint64_t{1} << 30));
    ssize_t done = copy_file_range(fileno(from.stream_), &from_at,
                                   fileno(stream_), &to_at, chunk, 0);
    if (done <= 0) {
      break;
    }
    copied += static_cast<uint64_t>(done);
  }
  fseeko(from.stream_, from_at, SEEK_SET);
  fseeko(stream_, to_at, SEEK_SET);
  return copied;
}

bool File::close() {
  if (stream_ == nullptr) {
    return true;
  }
  bool ok = std::fclose(std::exchange(stream_, nullptr)) == 0;
  return ok;
}

bool same_file(const File& a, const File& b) {
  struct stat first {};
  struct stat second {};
  return a.descriptor() >= 0 && b.descriptor() >= 0 &&
         fstat(a.descriptor(), &first) == 0 &&
         fstat(b.descriptor(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

bool same_file(const char* a, const char* b) {
  struct stat first {};
  struct stat second {};
  if (a == nullptr || b == nullptr || stat(a, &first) != 0 ||
      stat(b, &second) != 0) {
    return false;
  }
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace bintool
