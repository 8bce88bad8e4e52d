// Copying a run of bytes from one stream to another through one block.
#include "assemble/block_copy.h"

#include <algorithm>

namespace bintool {

CopyResult copy_bytes(File& from, File& to, uint64_t limit,
                      std::span<uint8_t> block) {
  CopyResult result;
  result.copied = to.copy_in_kernel(from, limit);
  while (result.copied < limit) {
    size_t want = static_cast<size_t>(
        std::min<uint64_t>(block.size(), limit - result.copied));
    size_t got = from.read(block.first(want));
    if (got == 0) {
      break;
    }
    if (!to.write(block.first(got))) {
      result.write_failed = true;
      break;
    }
    result.copied += got;
    if (got < want) {
      break;
    }
  }
  return result;
}

}  // namespace bintool
