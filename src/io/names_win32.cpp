// What names lead to, on Windows.
#include <io.h>
#include <windows.h>

#include "io/names.h"

namespace bintool {

std::optional<std::string> link_target(const std::string&) {
  return std::nullopt;
}

std::optional<std::string> final_name(const File& file, const char*) {
  // The handle's own name: beside a link's target, on the drive itself (a
  // drive-relative C:img has a folder of its own too).
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.descriptor()));
  std::string name(MAX_PATH, '\0');
  for (;;) {
    DWORD size = GetFinalPathNameByHandleA(handle, name.data(),
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

}  // namespace bintool
