// The length measurement every command but L relies on.
#include "app/binary_tool.h"

#include <utility>

#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"

namespace bintool {

int64_t BinaryTool::file_length(const char* name) {
  File file = File::open(name, OpenMode::kRead);
  int64_t length = file ? file.size() : -1;
  if (length < 0) {
    return fail(kCantOpenFile);
  }
  return length;
}

File BinaryTool::open_measured(const char* name, int64_t& length) {
  File file = File::open(name, OpenMode::kRead);
  if (!file) {
    fail(kCantOpenFile);
    return File();
  }
  length = file_length(name);
  return length < 0 ? File() : std::move(file);
}

}  // namespace bintool
