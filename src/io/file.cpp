// RAII ownership of one file stream, and file identity.
#include "io/file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bintool {
namespace {

// Everything that differs between Windows and POSIX lives below, up to the
// end of this namespace.
#ifdef _WIN32
int seek_stream(std::FILE* stream, int64_t offset, int whence) {
  return _fseeki64(stream, offset, whence);
}
int64_t stream_position(std::FILE* stream) { return _ftelli64(stream); }
bool is_regular(int fd, int64_t& size) {
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
    return false;
  }
  size = info.st_size;
  return true;
}
#else
int seek_stream(std::FILE* stream, int64_t offset, int whence) {
  return fseeko(stream, static_cast<off_t>(offset), whence);
}
int64_t stream_position(std::FILE* stream) { return ftello(stream); }
bool is_regular(int fd, int64_t& size) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  size = info.st_size;
  return true;
}
#endif

// Which file a name or an open descriptor leads to, whatever the path.
struct Identity {
  uint64_t device;
  uint64_t index;
  bool operator==(const Identity&) const = default;
};

#ifdef _WIN32
std::optional<Identity> identity_of(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (handle == INVALID_HANDLE_VALUE ||
      !GetFileInformationByHandle(handle, &info)) {
    return std::nullopt;
  }
  return Identity{info.dwVolumeSerialNumber,
                  uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
}
std::optional<Identity> identity_of(int fd) {
  return identity_of(reinterpret_cast<HANDLE>(_get_osfhandle(fd)));
}
std::optional<Identity> identity_of(const char* path) {
  HANDLE handle = CreateFileA(
      path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  std::optional<Identity> identity = identity_of(handle);
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
  }
  return identity;
}
#else
std::optional<Identity> identity_of(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    return std::nullopt;
  }
  return Identity{static_cast<uint64_t>(info.st_dev),
                  static_cast<uint64_t>(info.st_ino)};
}
std::optional<Identity> identity_of(const char* path) {
  struct stat info {};
  if (stat(path, &info) != 0) {
    return std::nullopt;
  }
  return Identity{static_cast<uint64_t>(info.st_dev),
                  static_cast<uint64_t>(info.st_ino)};
}
#endif

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

File::~File() { close(); }

File File::open(const char* path, OpenMode mode) {
#ifdef _WIN32
  // Windows opens no directory as a file, and has no named pipes to wait on.
  std::FILE* stream = std::fopen(path, mode_text(mode));
#else
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
  }
#endif
  if (stream == nullptr) {
    return File();
  }
  std::setvbuf(stream, nullptr, _IONBF, 0);
  return File(stream);
}

int File::descriptor() const { return fileno(stream_); }

std::optional<size_t> File::read(std::span<uint8_t> into) {
  if (stream_ == nullptr) {
    return std::nullopt;
  }
  size_t got = std::fread(into.data(), 1, into.size(), stream_);
  if (std::ferror(stream_) != 0) {
    return std::nullopt;
  }
  return got;
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
  // An offset past INT64_MAX turns negative, which the system refuses.
  return stream_ != nullptr &&
         seek_stream(stream_, static_cast<int64_t>(offset), SEEK_SET) == 0;
}

int64_t File::length_of(const char* path) {
  File file = open(path, OpenMode::kRead);
  if (!file) {
    return -1;
  }
  int64_t size = 0;
  if (is_regular(fileno(file.stream_), size)) {
    return size;
  }
  // A device's end position; -1 for a pipe, which has none.
  return seek_stream(file.stream_, 0, SEEK_END) == 0
             ? stream_position(file.stream_)
             : -1;
}

bool File::regular() const {
  int64_t size = 0;
  return stream_ != nullptr && is_regular(fileno(stream_), size);
}

std::optional<uint64_t> File::copy_in_kernel(File& from, uint64_t count) {
#ifndef __linux__
  (void)from;
  (void)count;
  return 0;
#else
  // The streams are unbuffered, so their positions are the descriptors'.
  // A pipe has none, and nothing is copied from or to it here.
  off_t from_at = ftello(from.stream_);
  off_t to_at = ftello(stream_);
  if (from_at < 0 || to_at < 0) {
    return 0;
  }
  // Each call asks for at most 1 GiB: the system copies about 2 GiB a call
  // anyway, and refuses (EOVERFLOW) a count that would carry either
  // position past the largest offset, as "everything from here" would.
  constexpr uint64_t kMostPerCall = uint64_t{1} << 30;
  uint64_t copied = 0;
  while (copied < count) {
    ssize_t done = copy_file_range(
        fileno(from.stream_), &from_at, fileno(stream_), &to_at,
        static_cast<size_t>(std::min(count - copied, kMostPerCall)), 0);
    if (done <= 0) {
      break;
    }
    copied += static_cast<uint64_t>(done);
  }
  if (copied > 0 && (fseeko(from.stream_, from_at, SEEK_SET) != 0 ||
                     fseeko(stream_, to_at, SEEK_SET) != 0)) {
    return std::nullopt;
  }
  return copied;
#endif
}

bool File::close() {
  if (stream_ == nullptr) {
    return true;
  }
  bool ok = std::fclose(std::exchange(stream_, nullptr)) == 0;
  return ok;
}

bool same_file(const File& a, const File& b) {
  std::optional<Identity> first = identity_of(a.descriptor());
  return first && first == identity_of(b.descriptor());
}

bool same_file(const char* a, const char* b) {
  std::optional<Identity> first = identity_of(a);
  return first && first == identity_of(b);
}

}  // namespace bintool
