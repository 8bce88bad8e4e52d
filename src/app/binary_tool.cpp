// The one way every command but L opens and measures a source.
#include "app/binary_tool.h"

#include <utility>

#include "app/conventions.h"
#include "app/messages.h"
#include "io/file.h"

namespace bintool {

int64_t BinaryTool::file_length(const File& file) {
  int64_t length = file.length();
  return length < 0 ? fail(kCantOpenFile) : length;
}

BinaryTool::Source BinaryTool::open_source(const char* name,
                                           const char* open_failure) {
  File file = File::open(name, Role::kSourceToMeasure);
  int64_t length = file_length(file);
  if (!file && open_failure != nullptr) {
    print(open_failure);
  }
  return {std::move(file), length};
}

std::optional<BinaryTool::Source> BinaryTool::checked_source(
    int argc, char* argv[], int minimum, const char* too_few,
    const char* open_failure) {
  if (!require_args(argc, minimum, too_few)) {
    return std::nullopt;
  }
  Source source = open_source(argv[2], open_failure);
  if (source.length < 0) {
    return std::nullopt;
  }
  return source;
}

}  // namespace bintool
