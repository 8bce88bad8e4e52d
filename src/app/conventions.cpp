// Conventions every command handler shares: argument counts, failure
// messages and their results.
#include "app/conventions.h"

#include "app/messages.h"
#include "io/file.h"

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

bool refuse_same_file(const File& source, const char* destination) {
  if (!same_file(source, destination)) {
    return false;
  }
  print(kSameFile);
  return true;
}

bool refuse_shared_destination(std::span<char* const> destinations) {
  if (!two_write_one_file(destinations)) {
    return false;
  }
  print(kTwoDestinations);
  return true;
}

}  // namespace bintool
