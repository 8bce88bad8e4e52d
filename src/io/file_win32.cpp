// File on a Windows C runtime descriptor and its HANDLE.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <utility>

#include "io/file.h"
#include "io/folder.h"
#include "io/move_all.h"

namespace bintool {
namespace {

HANDLE handle_of(int fd) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

HANDLE create(const char* path, DWORD how) {
  // Shared for deletion: a signal's handler removes a new file while it is
  // open.
  return CreateFileA(path, GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, how, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A name that must not exist yet is made; a link to a name not made yet is
// an entry that exists, though nothing opens through it, and the file it
// leads to is made through it. Wine says that file existed; one that holds
// no byte is taken for the one made here.
HANDLE create_new(const char* path) {
  HANDLE handle = create(path, CREATE_NEW);
  if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
    return handle;
  }
  handle = create(path, OPEN_ALWAYS);
  LARGE_INTEGER size{};
  if (handle != INVALID_HANDLE_VALUE &&
      (!GetFileSizeEx(handle, &size) || size.QuadPart != 0)) {
    CloseHandle(handle);
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

int descriptor_of(HANDLE handle) {
  if (handle == INVALID_HANDLE_VALUE) {
    return -1;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                           _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
  }
  return fd;
}

int open_for(const char* path, Role role) {
  switch (role) {
    case Role::kSourceToMeasure:
    case Role::kSourceToStream:
      return _open(path, _O_RDONLY | _O_BINARY);
    case Role::kInPlace:
      return _open(path, _O_RDWR | _O_BINARY);
    case Role::kDestination:
    case Role::kDestinationNow:
      return descriptor_of(create(path, OPEN_EXISTING));
    case Role::kNew:
    case Role::kNewPrivate:
      return descriptor_of(create_new(path));
  }
  return -1;
}

// Windows has no positional calls on descriptors: seek, then move.
int read_some_at(int fd, uint8_t* into, size_t size, uint64_t at) {
  return _lseeki64(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : _read(fd, into, static_cast<unsigned>(size));
}

int write_some_at(int fd, const uint8_t* from, size_t size, uint64_t at) {
  return _lseeki64(fd, static_cast<int64_t>(at), SEEK_SET) < 0
             ? -1
             : _write(fd, from, static_cast<unsigned>(size));
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
  // Only a file on a disk has an identity; NUL and the console have none,
  // and are no regular files (the C runtime's stat says they are).
  HANDLE handle = handle_of(fd_);
  BY_HANDLE_FILE_INFORMATION info{};
  bool disk = GetFileType(handle) == FILE_TYPE_DISK;
  if (disk && !GetFileInformationByHandle(handle, &info)) {
    failed();
  } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    error_ = ERROR_ACCESS_DENIED;  // a folder is no file, as _open says
  }
  if (error_ != 0) {
    _close(std::exchange(fd_, -1));
    if (made && path != nullptr) {
      DeleteFileA(path);  // made, but the system could not tell of it
    }
    return;
  }
  if (disk) {
    identity_ = FileIdentity{
        info.dwVolumeSerialNumber,
        uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow, ""};
    regular_ = true;
    size_ = static_cast<int64_t>(uint64_t{info.nFileSizeHigh} << 32 |
                                 info.nFileSizeLow);
  }
}

File File::open(const char* path, Role role) {
  return File(open_for(path, role), path, made_by(role));
}

File File::open_in(const Folder& folder, const std::string& name, Role role) {
  std::string path = folder.path() + name;
  return File(open_for(path.c_str(), role), path.c_str(), made_by(role));
}

std::optional<size_t> File::read(std::span<uint8_t> into) {
  std::optional<size_t> got =
      move_all(into.size(), [&](size_t done, size_t most) {
        return _read(fd_, into.data() + done, static_cast<unsigned>(most));
      });
  if (!got) {
    failed();
  }
  return got;
}

std::optional<size_t> File::read_at(uint64_t at, std::span<uint8_t> into) {
  std::optional<size_t> got =
      move_all(into.size(), [&](size_t done, size_t most) {
        return read_some_at(fd_, into.data() + done, most, at + done);
      });
  if (!got) {
    failed();
  }
  return got;
}

bool File::write(std::span<const uint8_t> bytes) {
  return move_all(bytes.size(),
                  [&](size_t done, size_t most) {
                    return _write(fd_, bytes.data() + done,
                                  static_cast<unsigned>(most));
                  }) == bytes.size() ||
         failed();
}

bool File::write_at(uint64_t at, std::span<const uint8_t> bytes) {
  return move_all(bytes.size(),
                  [&](size_t done, size_t most) {
                    return write_some_at(fd_, bytes.data() + done, most,
                                         at + done);
                  }) == bytes.size() ||
         failed();
}

bool File::truncate() {
  return !regular_ || size_ == 0 || _chsize_s(fd_, 0) == 0 || failed();
}

bool File::sync() { return _commit(fd_) == 0 || failed(); }

bool File::change_owner(uint32_t, uint32_t) { return true; }

bool File::change_mode(uint32_t) { return true; }

int64_t File::seek_to(int64_t offset, int whence) const {
  return _lseeki64(fd_, offset, whence);
}

uint64_t File::copy_in_kernel(File&, uint64_t) { return 0; }

bool File::close() {
  return fd_ < 0 || _close(std::exchange(fd_, -1)) == 0 || failed();
}

}  // namespace bintool
