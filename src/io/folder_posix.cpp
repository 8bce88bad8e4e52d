// A folder held open, on POSIX: its descriptor.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "io/folder.h"
#include "io/system_error.h"

namespace bintool {

Folder::~Folder() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

Folder Folder::open(const std::string& path) {
  Folder folder;
  folder.path_ = path;
  folder.fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder.fd_ < 0) {
    folder.failed();
  }
  return folder;
}

bool Folder::rename(const std::string& from, const std::string& to) {
  return renameat(fd_, from.c_str(), fd_, to.c_str()) == 0 || failed();
}

bool Folder::remove(const std::string& name, const File& file) {
  struct stat info {};
  if (!file.regular() || fstatat(fd_, name.c_str(), &info, 0) != 0 ||
      static_cast<uint64_t>(info.st_dev) != file.identity()->device ||
      static_cast<uint64_t>(info.st_ino) != file.identity()->index) {
    return true;
  }
  return unlinkat(fd_, name.c_str(), 0) == 0 || failed();
}

bool Folder::sync() {
  return fsync(fd_) == 0 || sync_unsupported(last_system_error()) || failed();
}

}  // namespace bintool
