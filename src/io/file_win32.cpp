// File on a Windows C runtime descriptor and its HANDLE.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

#include "io/file.h"
#include "io/move_all.h"

namespace bintool {
namespace {

HANDLE handle_of(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int64_t seek_to(int fd, int64_t offset, int whence) {
  return _lseeki64(fd, offset, whence);
}

// Windows has no positional calls on descriptors: seek, then move.
int read_some_at(int fd, uint8_t* into, size_t size, uint64_t at) {
  return seek_to(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : _read(fd, into, static_cast<unsigned>(size));
}

int write_some_at(int fd, const uint8_t* from, size_t size, uint64_t at) {
  return seek_to(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : _write(fd, from, static_cast<unsigned>(size));
}

int open_for(const char* path, Role role) {
  return _open(path,
               (role == Role::kInPlace ? _O_RDWR : _O_RDONLY) | _O_BINARY);
}

}  // namespace

File::File(int fd) : fd_(fd) {
  if (fd_ < 0) {
    return;
  }
  // Only a file on a disk has an identity; NUL and the console have none,
  // and are no regular files (the C runtime's stat says they are).
  HANDLE handle = handle_of(fd_);
  BY_HANDLE_FILE_INFORMATION info{};
  bool disk = GetFileType(handle) == FILE_TYPE_DISK;
  if (disk && !GetFileInformationByHandle(handle, &info)) {
    close();
    errno = EIO;
    return;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    close();
    errno = EISDIR;
    return;
  }
  if (disk) {
    identity_ =
        FileIdentity{info.dwVolumeSerialNumber,
                     uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
    regular_ = true;
    size_ = static_cast<int64_t>(uint64_t{info.nFileSizeHigh} << 32 |
                                 info.nFileSizeLow);
  }
}

File File::open(const char* path, Role role) {
  return File(open_for(path, role));
}

OpenedDestination File::open_destination(const char* path, bool) {
  // Found, else made, through any link. A link to a name not made yet is
  // an entry that exists, though nothing opens through it: the file then
  // opened is new, and this run made it.
  auto create = [&](DWORD how) {
    return CreateFileA(path, GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, how, FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  bool made = false;
  HANDLE handle = create(OPEN_EXISTING);
  if (handle == INVALID_HANDLE_VALUE &&
      GetLastError() == ERROR_FILE_NOT_FOUND) {
    handle = create(CREATE_NEW);
    made = handle != INVALID_HANDLE_VALUE;
    if (!made && GetLastError() == ERROR_FILE_EXISTS) {
      handle = create(OPEN_ALWAYS);
      made = handle != INVALID_HANDLE_VALUE;
    }
  }
  if (handle == INVALID_HANDLE_VALUE) {
    errno = GetLastError() == ERROR_TOO_MANY_OPEN_FILES ? EMFILE : ENOENT;
    return {};
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                           _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return {};
  }
  File file(fd);
  std::optional<std::string> name;
  if (file && file.regular_ && made && file.size_ == 0) {
    name = file.final_name(path);
  }
  return {std::move(file), false, name.value_or("")};
}

File File::make_new(const char* path) {
  // Shared for deletion: a signal's handler removes it while it is open.
  HANDLE handle =
      CreateFileA(path, GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    errno = GetLastError() == ERROR_FILE_EXISTS ? EEXIST : EACCES;
    return File();
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                           _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
  }
  File file(fd);
  if (!file) {
    DeleteFileA(path);  // made, but the system could not tell of it
  }
  return file;
}

std::optional<size_t> File::read(std::span<uint8_t> into) {
  return move_all(into.size(), [&](size_t done, size_t most) {
    return _read(fd_, into.data() + done, static_cast<unsigned>(most));
  });
}

std::optional<size_t> File::read_at(uint64_t at, std::span<uint8_t> into) {
  return move_all(into.size(), [&](size_t done, size_t most) {
    return read_some_at(fd_, into.data() + done, most, at + done);
  });
}

bool File::write(std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return _write(fd_, bytes.data() + done, static_cast<unsigned>(most));
         }) == bytes.size();
}

bool File::write_at(uint64_t at, std::span<const uint8_t> bytes) {
  return move_all(bytes.size(), [&](size_t done, size_t most) {
           return write_some_at(fd_, bytes.data() + done, most, at + done);
         }) == bytes.size();
}

bool File::empty() { return !regular_ || size_ == 0 || _chsize_s(fd_, 0) == 0; }

bool File::sync() { return _commit(fd_) == 0; }

int64_t File::seek_to(int64_t offset, int whence) const {
  return _lseeki64(fd_, offset, whence);
}

uint64_t File::copy_in_kernel(File&, uint64_t) { return 0; }

void File::take_permissions_of(const File&) {}

std::optional<std::string> File::final_name(const char*) const {
  // The handle's own name: beside a link's target, on the drive itself (a
  // drive-relative C:img has a folder of its own too).
  std::string name(MAX_PATH, '\0');
  for (;;) {
    DWORD size = GetFinalPathNameByHandleA(handle_of(fd_), name.data(),
                                           static_cast<DWORD>(name.size()),
                                           FILE_NAME_NORMALIZED);
    if (size == 0) {
      return std::nullopt;
    }
    if (size < name.size()) {
      name.resize(size);
      return name;
    }
    name.resize(size + 1);
  }
}

bool File::close() { return fd_ < 0 || _close(std::exchange(fd_, -1)) == 0; }

void remove_made(const std::string& name, File& file) {
  bool regular = file.regular();
  file.close();
  if (regular) {
    DeleteFileA(name.c_str());
  }
}

}  // namespace bintool
