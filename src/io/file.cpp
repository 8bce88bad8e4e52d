// RAII ownership of one file descriptor, opened for its role, and file
// identity.
#include "io/file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "io/buffer.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bintool {
namespace {

// One system call moves at most this much; the loops below go on for more.
constexpr size_t kMostPerCall = size_t{1} << 30;

// Calls move(done, most) until `size` bytes are done, the file ends (0) or
// the system fails (-1, an interrupted call aside); returns the bytes done,
// no value after a failure.
template <typename Move>
std::optional<size_t> move_all(size_t size, Move move) {
  size_t done = 0;
  while (done < size) {
    auto got = move(done, std::min(size - done, kMostPerCall));
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    done += static_cast<size_t>(got);
  }
  return done;
}

// Everything that differs between Windows and POSIX lives below, up to the
// end of this namespace.
#ifdef _WIN32
using Stat = struct _stat64;
int stat_of(int fd, Stat& info) { return _fstat64(fd, &info); }
bool is_regular(const Stat& info) {
  return (info.st_mode & _S_IFMT) == _S_IFREG;
}
bool is_directory(const Stat& info) {
  return (info.st_mode & _S_IFMT) == _S_IFDIR;
}
int64_t seek_to(int fd, int64_t offset, int whence) {
  return _lseeki64(fd, offset, whence);
}
int read_some(int fd, uint8_t* into, size_t size) {
  return _read(fd, into, static_cast<unsigned>(size));
}
int write_some(int fd, const uint8_t* from, size_t size) {
  return _write(fd, from, static_cast<unsigned>(size));
}
// Windows has no positional calls on descriptors: seek, then move.
int read_some_at(int fd, uint8_t* into, size_t size, uint64_t at) {
  return seek_to(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : read_some(fd, into, size);
}
int write_some_at(int fd, const uint8_t* from, size_t size, uint64_t at) {
  return seek_to(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : write_some(fd, from, size);
}
int flags_of(Role role) {
  switch (role) {
    case Role::kSource:
    case Role::kStreamedSource:
      return _O_RDONLY;
    case Role::kNewDestination:
      return _O_WRONLY | _O_CREAT | _O_TRUNC;
    case Role::kInPlace:
      return _O_RDWR;
  }
  return _O_RDONLY;
}
int open_for(const char* path, Role role) {
  return _open(path, flags_of(role) | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int close_fd(int fd) { return _close(fd); }
#else
using Stat = struct stat;
int stat_of(int fd, Stat& info) { return fstat(fd, &info); }
bool is_regular(const Stat& info) { return S_ISREG(info.st_mode); }
bool is_directory(const Stat& info) { return S_ISDIR(info.st_mode); }
int64_t seek_to(int fd, int64_t offset, int whence) {
  return lseek(fd, static_cast<off_t>(offset), whence);
}
ssize_t read_some(int fd, uint8_t* into, size_t size) {
  return ::read(fd, into, size);
}
ssize_t write_some(int fd, const uint8_t* from, size_t size) {
  return ::write(fd, from, size);
}
ssize_t read_some_at(int fd, uint8_t* into, size_t size, uint64_t at) {
  return pread(fd, into, size, static_cast<off_t>(at));
}
ssize_t write_some_at(int fd, const uint8_t* from, size_t size, uint64_t at) {
  return pwrite(fd, from, size, static_cast<off_t>(at));
}
int open_for(const char* path, Role role) {
  switch (role) {
    case Role::kSource: {
      // Opened without waiting, then made to wait on its reads again.
      int fd = ::open(path, O_RDONLY | O_NONBLOCK);
      if (fd >= 0 && fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return -1;
      }
      return fd;
    }
    case Role::kStreamedSource:
      return ::open(path, O_RDONLY);
    case Role::kNewDestination:
      return ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    case Role::kInPlace:
      return ::open(path, O_RDWR);
  }
  return -1;
}
int close_fd(int fd) { return ::close(fd); }
#endif

// Which file a name or an open descriptor leads to, whatever the path.
struct Identity {
  uint64_t device;
  uint64_t index;
  bool operator==(const Identity&) const = default;
};

// A name's identity, and whether it is a regular file.
struct Entry {
  std::optional<Identity> identity;  // none for some devices (NUL)
  bool regular;
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
// What a name leads to, in one lookup; no value where it leads nowhere.
// The C runtime's stat takes NUL and the console for regular files; the
// handle's type does not.
std::optional<Entry> entry_of(const char* path) {
  HANDLE handle = CreateFileA(
      path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  bool known = GetFileInformationByHandle(handle, &info) != 0;
  Entry entry{identity_of(handle),
              known && GetFileType(handle) == FILE_TYPE_DISK &&
                  (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0};
  CloseHandle(handle);
  return entry;
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
// What a name leads to, in one lookup; no value where it leads nowhere.
std::optional<Entry> entry_of(const char* path) {
  struct stat info {};
  if (stat(path, &info) != 0) {
    return std::nullopt;
  }
  return Entry{Identity{static_cast<uint64_t>(info.st_dev),
                        static_cast<uint64_t>(info.st_ino)},
               S_ISREG(info.st_mode)};
}
#endif

std::optional<Identity> identity_of(const char* path) {
  std::optional<Entry> entry = entry_of(path);
  return entry ? entry->identity : std::nullopt;
}

// Text that is equal for two names exactly when writing to them writes one
// regular file; no value for names that are no regular file.
std::optional<std::string> destination_key(const char* path) {
  auto key = [](std::optional<Identity> identity) {
    return identity ? std::optional(std::to_string(identity->device) + ':' +
                                    std::to_string(identity->index))
                    : std::nullopt;
  };
  if (std::optional<Entry> entry = entry_of(path)) {
    return entry->regular ? key(entry->identity) : std::nullopt;
  }
  std::string_view name = path;
  size_t start = last_name_at(name);
  std::string folder = start == 0 ? "." : std::string(name.substr(0, start));
  std::optional<std::string> in = key(identity_of(folder.c_str()));
  if (start == name.size() || !in) {
    return std::nullopt;
  }
  return *in + '/' + std::string(name.substr(start));
}

// A test build ends the run at a read of a block or more that lands in
// memory at another place in its page than its file offset: every test then
// checks that reads land where the system copies them fastest.
void check_read_place([[maybe_unused]] int fd,
                      [[maybe_unused]] const uint8_t* into,
                      [[maybe_unused]] size_t size,
                      [[maybe_unused]] int64_t at) {
#ifdef BINTOOL_CHECK_READS
  if (at < 0) {
    at = seek_to(fd, 0, SEEK_CUR);  // no offset for a pipe
  }
  if (size >= kReadAlignment && at >= 0 &&
      (reinterpret_cast<uintptr_t>(into) - static_cast<uint64_t>(at)) %
              kReadAlignment !=
          0) {
    std::fprintf(stderr,
                 "bintool: a read of %zu bytes at %lld is off its page\n", size,
                 static_cast<long long>(at));
    std::abort();
  }
#endif
}

}  // namespace

File::File(File&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

File::~File() { close(); }

File File::open(const char* path, Role role) {
  File file(open_for(path, role));
  // On Linux a directory opens for reading; it still is not a file.
  Stat info{};
  if (file && (stat_of(file.fd_, info) != 0 || is_directory(info))) {
    return File();
  }
  return file;
}

std::optional<size_t> File::read(std::span<uint8_t> into) {
  check_read_place(fd_, into.data(), into.size(), -1);
  return move_all(into.size(), [&](size_t done, size_t most) {
    return read_some(fd_, into.data() + done, most);
  });
}

std::optional<size_t> File::read_at(uint64_t at, std::span<uint8_t> into) {
  check_read_place(fd_, into.data(), into.size(), static_cast<int64_t>(at));
  return move_all(into.size(), [&](size_t done, size_t most) {
    return read_some_at(fd_, into.data() + done, most, at + done);
  });
}

bool File::write(std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return write_some(fd_, bytes.data() + done, most);
         }) == bytes.size();
}

bool File::write_at(uint64_t at, std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return write_some_at(fd_, bytes.data() + done, most, at + done);
         }) == bytes.size();
}

bool File::sync() {
#ifdef _WIN32
  return _commit(fd_) == 0;
#else
  return fdatasync(fd_) == 0;
#endif
}

std::optional<uint64_t> File::position() const {
  int64_t at = seek_to(fd_, 0, SEEK_CUR);
  return at < 0 ? std::nullopt : std::optional(static_cast<uint64_t>(at));
}

bool File::seek(uint64_t offset) {
  // An offset past INT64_MAX turns negative, which the system refuses.
  return seek_to(fd_, static_cast<int64_t>(offset), SEEK_SET) >= 0;
}

int64_t File::length() const {
  Stat info{};
  if (fd_ < 0 || stat_of(fd_, info) != 0) {
    return -1;
  }
  if (is_regular(info)) {
    return info.st_size;
  }
  // A device's end position; -1 for a pipe, which has none.
  int64_t at = seek_to(fd_, 0, SEEK_CUR);
  int64_t end = at < 0 ? -1 : seek_to(fd_, 0, SEEK_END);
  if (end >= 0 && seek_to(fd_, at, SEEK_SET) < 0) {
    return -1;
  }
  return end;
}

bool File::regular() const {
  Stat info{};
  return stat_of(fd_, info) == 0 && is_regular(info);
}

uint64_t File::copy_in_kernel(File& from, uint64_t count) {
#ifdef __linux__
  // Each call asks for at most 1 GiB: the system refuses (EOVERFLOW) a
  // count that would carry a position past the largest offset. A pipe or
  // a device is refused too (EINVAL), and copied by the caller.
  uint64_t copied = 0;
  while (copied < count) {
    ssize_t done = copy_file_range(
        from.fd_, nullptr, fd_, nullptr,
        static_cast<size_t>(std::min<uint64_t>(count - copied, kMostPerCall)),
        0);
    if (done <= 0) {
      break;
    }
    copied += static_cast<uint64_t>(done);
  }
  return copied;
#else
  (void)from;
  (void)count;
  return 0;
#endif
}

bool File::close() { return fd_ < 0 || close_fd(std::exchange(fd_, -1)) == 0; }

bool same_file(const File& a, const File& b) {
  std::optional<Identity> first = identity_of(a.fd_);
  return first && first == identity_of(b.fd_);
}

bool same_file(const File& file, const char* path) {
  std::optional<Identity> first = identity_of(file.fd_);
  return first && first == identity_of(path);
}

size_t last_name_at(std::string_view path) {
#ifdef _WIN32
  size_t cut = path.find_last_of("/\\");
#else
  size_t cut = path.find_last_of('/');
#endif
  return cut == std::string_view::npos ? 0 : cut + 1;
}

bool two_write_one_file(std::span<char* const> names) {
  std::vector<std::string> keys;
  for (const char* name : names) {
    if (std::optional<std::string> key = destination_key(name)) {
      keys.push_back(std::move(*key));
    }
  }
  std::ranges::sort(keys);
  return std::ranges::adjacent_find(keys) != keys.end();
}

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
