// Copying a run of bytes from one stream to another through one block.
#include "io/block_copy.h"

#include <optional>
#include <utility>

#include "io/buffer.h"

namespace bintool {

CopyEnd copy_bytes(File& from, File& to, uint64_t limit,
                   std::span<uint8_t> block) {
  BlockReader reader(from, limit - to.copy_in_kernel(from, limit));
  // The first read is aligned with the position (io/buffer.h); every read
  // after it starts on a page.
  size_t skew = from.position().value_or(0) % kReadAlignment;
  for (;;) {
    std::optional<std::span<uint8_t>> got =
        reader.next(block.subspan(std::exchange(skew, 0)));
    if (!got) {
      return CopyEnd::kReadFailed;
    }
    if (got->empty()) {
      return CopyEnd::kDone;
    }
    if (!to.write(*got)) {
      return CopyEnd::kWriteFailed;
    }
  }
}

CopyEnd close_after(CopyEnd end, File& to) {
  return end == CopyEnd::kDone && !to.close() ? CopyEnd::kCloseFailed : end;
}

}  // namespace bintool
