// Conventions every command handler shares.
#include "app/conventions.h"

#include "app/messages.h"

namespace bintool {

bool require_args(int argc, int minimum, const char* message) {
  if (argc >= minimum) {
    return true;
  }
  fail(plain(message));
  return false;
}

Buffer block_or_fail(size_t size) {
  Buffer block = Buffer::allocate(size);
  if (!block) {
    fail(plain(kCantCreateBuffer));
  }
  return block;
}

Failure copy_failure(CopyEnd end, const char* from_name, const File& from,
                     const char* to_name, const File& to) {
  return end == CopyEnd::kReadFailed ? read_failure(from_name, from)
                                     : write_failure(to_name, to);
}

}  // namespace bintool
