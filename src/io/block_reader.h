// Reading a stream block by block, the one way every command reads.
#ifndef BINTOOL_IO_BLOCK_READER_H_
#define BINTOOL_IO_BLOCK_READER_H_

#include <cstdint>
#include <optional>
#include <span>

#include "io/file.h"

namespace bintool {

/// Means "to the end of the file" as a limit of BlockReader and copy_bytes.
inline constexpr uint64_t kToEnd = UINT64_MAX;

/// Reads `file` from its position, at most `limit` bytes in all: a read
/// error is a failure, never an end, and the first read that delivers fewer
/// bytes than asked ends the file. The streaming commands read through it,
/// aligned with the file offset (io/buffer.h), which test builds check.
class BlockReader {
 public:
  explicit BlockReader(File& file, uint64_t limit = kToEnd)
      : file_(file), left_(limit) {}

  /// Fills `into` as far as the file and the limit allow and returns the
  /// bytes read; empty once the file or the limit has ended. No value after
  /// a read error.
  std::optional<std::span<uint8_t>> next(std::span<uint8_t> into);

 private:
  File& file_;
  uint64_t left_;
};

}  // namespace bintool

#endif  // BINTOOL_IO_BLOCK_READER_H_
