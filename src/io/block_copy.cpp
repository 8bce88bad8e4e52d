// Copying a run of bytes from one stream to another through one block.
#include "io/block_copy.h"

#include <algorithm>
#include <optional>

namespace bintool {

CopyEnd copy_bytes(File& from, File& to, uint64_t limit,
                   std::span<uint8_t> block) {
  std::optional<uint64_t> in_kernel = to.copy_in_kernel(from, limit);
  if (!in_kernel) {
    return CopyEnd::kWriteFailed;
  }
  uint64_t copied = *in_kernel;
  while (copied < limit) {
    auto want =
        static_cast<size_t>(std::min<uint64_t>(block.size(), limit - copied));
    std::optional<size_t> got = from.read(block.first(want));
    if (!got) {
      return CopyEnd::kReadFailed;
    }
    if (!to.write(block.first(*got))) {
      return CopyEnd::kWriteFailed;
    }
    if (*got < want) {
      break;
    }
    copied += *got;
  }
  return CopyEnd::kDone;
}

}  // namespace bintool
