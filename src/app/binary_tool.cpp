// The one way every command but L opens and measures a source.
#include "app/binary_tool.h"

#include <string>
#include <utility>

#include "app/conventions.h"
#include "app/messages.h"
#include "io/file.h"

namespace bintool {

int64_t BinaryTool::file_length(const File& file, const char* name,
                                const char* then) {
  int64_t length = file.length();
  if (length < 0) {
    std::string message = kCantOpenFile;
    if (!file && then != nullptr) {
      message += then;
    }
    fail(file_failure(message, name, file.error()));
  }
  return length;
}

BinaryTool::Source BinaryTool::open_source(const char* name, const char* then) {
  File file = File::open(name, Role::kSourceToMeasure);
  int64_t length = file_length(file, name, then);
  return {std::move(file), length, name};
}

std::optional<BinaryTool::Source> BinaryTool::checked_source(
    int argc, char* argv[], int minimum, const char* too_few,
    const char* then) {
  if (!require_args(argc, minimum, too_few)) {
    return std::nullopt;
  }
  Source source = open_source(argv[2], then);
  if (source.length < 0) {
    return std::nullopt;
  }
  return source;
}

}  // namespace bintool
