// File on a POSIX descriptor.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/vfs.h>
#endif

#include <algorithm>
#include <cerrno>
#include <utility>

#include "io/file.h"
#include "io/folder.h"
#include "io/move_all.h"
#include "io/names.h"

namespace bintool {
namespace {

// An open that a signal interrupts (a named pipe's wait) is made again.
int open_again(int folder, const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::openat(folder, path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

int flags_for(Role role) {
  switch (role) {
    case Role::kSourceToMeasure:
      return O_RDONLY | O_NONBLOCK;
    case Role::kSourceToStream:
      return O_RDONLY;
    case Role::kInPlace:
      return O_RDWR;
    case Role::kDestination:
      return O_WRONLY;
    case Role::kDestinationNow:
      return O_WRONLY | O_NONBLOCK;
    case Role::kNew:
    case Role::kNewPrivate:
      return O_WRONLY | O_CREAT | O_EXCL;
  }
  return 0;
}

// Opens for `role`. A role that opens without waiting makes the descriptor
// wait again on its reads and writes: a pipe read or written without
// waiting would end or fail where it is only slow.
int open_for(int folder, const char* path, Role role) {
  int flags = flags_for(role);
  int fd =
      open_again(folder, path, flags, role == Role::kNewPrivate ? 0600 : 0666);
  if (fd >= 0 && (flags & O_NONBLOCK) != 0 &&
      fcntl(fd, F_SETFL, flags & O_ACCMODE) != 0) {
    int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// True when `fd` is on FUSE (exfat-fuse, fusefat).
bool is_fuse(int fd) {
#ifdef __linux__
  constexpr decltype(statfs::f_type) kFuse = 0x65735546;
  struct statfs info {};
  return fstatfs(fd, &info) == 0 && info.f_type == kFuse;
#else
  (void)fd;
  return false;
#endif
}

bool made_by(Role role) {
  return role == Role::kNew || role == Role::kNewPrivate;
}

}  // namespace

File::File(int fd, const char* path, bool made) : fd_(fd) {
  if (fd_ < 0) {
    failed();
    return;
  }
  // A file the system cannot tell of (fstat fails) is not opened: whether it
  // is one of the others would be a guess. On Linux a directory opens for
  // reading; it still is not a file.
  struct stat info {};
  if (fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
    error_ = S_ISDIR(info.st_mode) ? EISDIR : errno;
  } else {
    identity_ = FileIdentity{static_cast<uint64_t>(info.st_dev),
                             static_cast<uint64_t>(info.st_ino), ""};
    // Where each spelling may have an identity of its own, the listed entry
    // it stands for decides; a name that stands for none, or for no single
    // one, opens nothing.
    on_fuse_ = is_fuse(fd_);
    if (path != nullptr && on_fuse_) {
      std::optional<std::string> listed = listed_path(path);
      identity_->listed = listed.value_or("");
      if (!listed) {
        error_ = errno;
        identity_.reset();
      }
    }
  }
  if (!identity_) {
    ::close(std::exchange(fd_, -1));
    // Made, but the system could not tell of it.
    if (made && path != nullptr) {
      unlink(path);
    }
    return;
  }
  regular_ = S_ISREG(info.st_mode);
  size_ = regular_ ? info.st_size : -1;
  mode_ = info.st_mode & 07777;
  owner_ = info.st_uid;
  group_ = info.st_gid;
}

File File::open(const char* path, Role role) {
  return File(open_for(AT_FDCWD, path, role), path, made_by(role));
}

File File::open_in(const Folder& folder, const std::string& name, Role role) {
  int fd = open_for(folder.descriptor(), name.c_str(), role);
  File file(fd, nullptr, false);
  if (fd >= 0 && !file && made_by(role)) {
    unlinkat(folder.descriptor(), name.c_str(), 0);
  }
  return file;
}

std::optional<size_t> File::read(std::span<uint8_t> into) {
  std::optional<size_t> got =
      move_all(into.size(), [&](size_t done, size_t most) {
        return ::read(fd_, into.data() + done, most);
      });
  if (!got) {
    failed();
  }
  return got;
}

std::optional<size_t> File::read_at(uint64_t at, std::span<uint8_t> into) {
  std::optional<size_t> got = move_all(into.size(), [&](size_t done,
                                                        size_t most) {
    return pread(fd_, into.data() + done, most, static_cast<off_t>(at + done));
  });
  if (!got) {
    failed();
  }
  return got;
}

bool File::write(std::span<const uint8_t> bytes) {
  return move_all(bytes.size(),
                  [&](size_t done, size_t most) {
                    return ::write(fd_, bytes.data() + done, most);
                  }) == bytes.size() ||
         failed();
}

bool File::write_at(uint64_t at, std::span<const uint8_t> bytes) {
  return move_all(bytes.size(),
                  [&](size_t done, size_t most) {
                    return pwrite(fd_, bytes.data() + done, most,
                                  static_cast<off_t>(at + done));
                  }) == bytes.size() ||
         failed();
}

bool File::truncate() {
  // A file that was empty when it opened (one just made) is not cut: ext4
  // takes a cut to 0 for a file being replaced, and writes it out at close.
  return !regular_ || size_ == 0 || ftruncate(fd_, 0) == 0 || failed();
}

bool File::sync() { return fdatasync(fd_) == 0 || failed(); }

bool File::change_owner(uint32_t owner, uint32_t group) {
  return fchown(fd_, owner, group) == 0 || failed();
}

bool File::change_mode(uint32_t mode) {
  return fchmod(fd_, mode) == 0 || failed();
}

int64_t File::seek_to(int64_t offset, int whence) const {
  return lseek(fd_, static_cast<off_t>(offset), whence);
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

bool File::close() {
  return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0 || failed();
}

}  // namespace bintool
