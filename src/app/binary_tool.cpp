// The length measurement every command but L relies on.
#include "app/binary_tool.h"

#include <utility>

#include "app/conventions.h"
#include "app/messages.h"
#include "io/file.h"

namespace bintool {

int64_t BinaryTool::file_length(const char* name) {
  int64_t length = File::length_of(name);
  return length < 0 ? fail(kCantOpenFile) : length;
}

BinaryTool::Measured BinaryTool::open_then_measure(const char* name) {
  File file = File::open(name, Role::kSource);
  if (!file) {
    fail(kCantOpenFile);
    return {};
  }
  int64_t length = file_length(name);
  if (length < 0) {
    return {};
  }
  return {std::move(file), length};
}

BinaryTool::Measured BinaryTool::measure_then_open(const char* name,
                                                   const char* open_failure) {
  int64_t length = file_length(name);
  File file = File::open(name, Role::kSource);
  if (!file) {
    fail(open_failure);
    return {};
  }
  if (length < 0) {
    return {};
  }
  return {std::move(file), length};
}

}  // namespace bintool
