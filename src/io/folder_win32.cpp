// A folder held open, on Windows: its name, as Windows renames by name.
#include <windows.h>

#include "io/folder.h"

namespace bintool {

Folder::~Folder() = default;

Folder Folder::open(const std::string& path) {
  // Nothing to hold: the calls below go by the name, and say what fails.
  Folder folder;
  folder.path_ = path;
  folder.fd_ = 0;
  return folder;
}

bool Folder::rename(const std::string& from, const std::string& to) {
  return MoveFileExA((path_ + from).c_str(), (path_ + to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
         failed();
}

bool Folder::remove(const std::string& name, const File& file) {
  std::string path = path_ + name;
  HANDLE handle = CreateFileA(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  bool same =
      handle != INVALID_HANDLE_VALUE &&
      GetFileInformationByHandle(handle, &info) && file.regular() &&
      FileIdentity{info.dwVolumeSerialNumber,
                   uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow,
                   ""} == *file.identity();
  if (handle != INVALID_HANDLE_VALUE) {
    CloseHandle(handle);
  }
  return !same || DeleteFileA(path.c_str()) != 0 || failed();
}

bool Folder::sync() { return true; }

}  // namespace bintool
