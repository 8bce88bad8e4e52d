// The length measurement every command but L relies on.
#include "app/binary_tool.h"

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

}  // namespace bintool
