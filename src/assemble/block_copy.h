// Copying a run of bytes from one stream to another through one block.
#ifndef BINTOOL_ASSEMBLE_BLOCK_COPY_H_
#define BINTOOL_ASSEMBLE_BLOCK_COPY_H_

#include <cstdint>
#include <span>

#include "app/file.h"

namespace bintool {

/// Means "to the end of the source" as the `limit` of copy_bytes.
inline constexpr uint64_t kToEnd = UINT64_MAX;

struct CopyResult {
  uint64_t copied = 0;        // bytes read and handed to the destination
  bool write_failed = false;  // the destination stored fewer bytes than given
};

/// Copies from the current position of `from` to the current position of
/// `to`, at most `limit` bytes, stopping early at the end of `from` (a read
/// error counts as the end) or at the first failed write.
CopyResult copy_bytes(File& from, File& to, uint64_t limit,
                      std::span<uint8_t> block);

}  // namespace bintool

#endif  // BINTOOL_ASSEMBLE_BLOCK_COPY_H_
