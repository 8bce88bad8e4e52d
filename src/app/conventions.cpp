// Conventions every command handler shares: argument counts, failure
// messages and their results.
#include "app/conventions.h"

#include "app/messages.h"

namespace bintool {
bool require_args(int argc, int minimum, const char* message) {
  if (argc < minimum) {
    print(message);
    return false;
  }
  return true;
}

int fail(const char* message) {
  print(message);
  return kFailed;
}

Buffer block_or_fail(size_t size) {
  Buffer block = Buffer::allocate(size);
  if (!block) {
    print(kCantCreateBuffer);
  }
  return block;
}

int fail_copy(CopyEnd end) {
  return fail(end == CopyEnd::kReadFailed ? kCantReadFile : kCantWriteToFile);
}

}  // namespace bintool
