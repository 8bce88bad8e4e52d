// File on a POSIX descriptor.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

#include "io/file.h"
#include "io/move_all.h"

namespace bintool {
namespace {

// An open that a signal interrupts (a named pipe's wait) is made again.
int open_again(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path, flags, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

std::optional<FileIdentity> identity_of(const struct stat& info) {
  return FileIdentity{static_cast<uint64_t>(info.st_dev),
                      static_cast<uint64_t>(info.st_ino)};
}

int open_for(const char* path, Role role) {
  switch (role) {
    case Role::kSourceToMeasure: {
      // Opened without waiting, then made to wait on its reads again.
      int fd = open_again(path, O_RDONLY | O_NONBLOCK);
      if (fd >= 0 && fcntl(fd, F_SETFL, 0) != 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return -1;
      }
      return fd;
    }
    case Role::kSourceToStream:
      return open_again(path, O_RDONLY);
    case Role::kInPlace:
      return open_again(path, O_RDWR);
  }
  return -1;
}

// Where the link `name` leads, as a name that works from here; no value
// when it is no link.
std::optional<std::string> link_target(const std::string& name) {
  std::string target(PATH_MAX, '\0');
  ssize_t size = readlink(name.c_str(), target.data(), target.size());
  if (size < 0 || static_cast<size_t>(size) >= target.size()) {
    return std::nullopt;
  }
  target.resize(static_cast<size_t>(size));
  size_t slash = name.find_last_of('/');
  if (target.starts_with('/') || slash == std::string::npos) {
    return target;
  }
  return name.substr(0, slash + 1) + target;
}

}  // namespace

File::File(int fd) : fd_(fd) {
  struct stat info {};
  if (fd_ < 0) {
    return;
  }
  // A file the system cannot tell of is not opened: whether it is one of
  // the others would be a guess. On Linux a directory opens for reading; it
  // still is not a file.
  if (fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
    int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    close();
    errno = error;
    return;
  }
  identity_ = identity_of(info);
  regular_ = S_ISREG(info.st_mode);
  size_ = regular_ ? info.st_size : -1;
  mode_ = info.st_mode & 07777;
  owner_ = info.st_uid;
  group_ = info.st_gid;
}

File File::open(const char* path, Role role) {
  return File(open_for(path, role));
}

OpenedDestination File::open_destination(const char* path, bool wait) {
  int flags = O_WRONLY | (wait ? 0 : O_NONBLOCK);
  std::string name = path;
  // A link to a name not yet made is followed by hand, so that the file
  // made is known by its own name; 40 links are as many as the system
  // follows.
  for (int links = 0; links <= 40; ++links) {
    int fd = open_again(name.c_str(), flags);
    bool made = false;
    if (fd < 0 && errno == ENOENT) {
      fd = open_again(name.c_str(), flags | O_CREAT | O_EXCL, 0666);
      made = fd >= 0;
      std::optional<std::string> target;
      if (fd < 0 && errno == EEXIST && (target = link_target(name))) {
        name = *target;
        continue;
      }
    }
    if (fd < 0) {
      bool later = !wait && (errno == ENXIO || out_of_descriptors());
      return {File(), later, ""};
    }
    File file(fd);
    if (file && !wait && fcntl(file.fd_, F_SETFL, 0) != 0) {
      file.close();
    }
    if (!file && made) {
      unlink(name.c_str());
    }
    std::string made_name = made && file ? name : "";
    return {std::move(file), false, std::move(made_name)};
  }
  return {};
}

File File::make_new(const char* path) {
  int fd = open_again(path, O_WRONLY | O_CREAT | O_EXCL, 0600);
  File file(fd);
  if (fd >= 0 && !file) {
    int error = errno;
    unlink(path);  // made, but the system could not tell of it
    errno = error;
  }
  return file;
}

std::optional<size_t> File::read(std::span<uint8_t> into) {
  return move_all(into.size(), [&](size_t done, size_t most) {
    return ::read(fd_, into.data() + done, most);
  });
}

std::optional<size_t> File::read_at(uint64_t at, std::span<uint8_t> into) {
  return move_all(into.size(), [&](size_t done, size_t most) {
    return pread(fd_, into.data() + done, most, static_cast<off_t>(at + done));
  });
}

bool File::write(std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return ::write(fd_, bytes.data() + done, most);
         }) == bytes.size();
}

bool File::write_at(uint64_t at, std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return pwrite(fd_, bytes.data() + done, most,
                         static_cast<off_t>(at + done));
         }) == bytes.size();
}

bool File::empty() {
  // A file that was empty when it opened (one just made) is not cut: ext4
  // takes a cut to 0 for a file being replaced, and writes it out at close.
  return !regular_ || size_ == 0 || ftruncate(fd_, 0) == 0;
}

bool File::sync() { return fdatasync(fd_) == 0; }

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

void File::take_permissions_of(const File& original) {
  // Only a privileged process may give a file away; the group may still
  // be one of the user's own. The mode goes last: a change of owner clears
  // the set-user-ID bit.
  if (fchown(fd_, original.owner_, original.group_) != 0) {
    (void)!fchown(fd_, static_cast<uid_t>(-1), original.group_);
  }
  (void)!fchmod(fd_, original.mode_);
}

std::optional<std::string> File::final_name(const char* path) const {
  char* real = realpath(path, nullptr);
  std::optional<std::string> name;
  struct stat info {};
  if (real != nullptr && stat(real, &info) == 0 &&
      identity_of(info) == identity_) {
    name = real;
  }
  std::free(real);
  return name;
}

bool File::close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

void remove_made(const std::string& name, File& file) {
  struct stat info {};
  bool same = file.regular() && stat(name.c_str(), &info) == 0 &&
              identity_of(info) == file.identity();
  file.close();
  if (same) {
    unlink(name.c_str());
  }
}

}  // namespace bintool
