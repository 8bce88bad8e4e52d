// Copying a run of bytes from one stream to another through one block.
#ifndef BINTOOL_IO_BLOCK_COPY_H_
#define BINTOOL_IO_BLOCK_COPY_H_

#include <cstdint>
#include <span>

#include "io/block_reader.h"
#include "io/file.h"

namespace bintool {

/// How a copy ended: it ran out of bytes, or a read, a write or the
/// destination's close failed.
enum class CopyEnd { kDone, kReadFailed, kWriteFailed, kCloseFailed };

/// Copies from the current position of `from` to the current position of
/// `to`, at most `limit` bytes, stopping early at the end of `from`, at a
/// failed read or at the first failed write. `block` starts on a page; the
/// first read is shorter where the position is off a page.
CopyEnd copy_bytes(File& from, File& to, uint64_t limit,
                   std::span<uint8_t> block);

/// `end`, or kCloseFailed when the copy ran out of bytes but closing `to`
/// fails.
CopyEnd close_after(CopyEnd end, File& to);

}  // namespace bintool

#endif  // BINTOOL_IO_BLOCK_COPY_H_
