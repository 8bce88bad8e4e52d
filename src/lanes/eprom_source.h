// One EPROM image as a conversion reads it: a file at the offsets a window
// needs, or bytes in memory.
#ifndef BINTOOL_LANES_EPROM_SOURCE_H_
#define BINTOOL_LANES_EPROM_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

/// Where a conversion reads one source of a measured length: a file, at the
/// offsets a window needs, or bytes in memory. Bytes past the measured length
/// read as 0xFF, an erased EPROM cell; bytes that a file no longer has (it
/// shrank) read as 0.
class EpromSource {
 public:
  /// An open file, measured at `length` bytes.
  EpromSource(File file, uint64_t length);

  /// `bytes`, which must outlive the source.
  explicit EpromSource(std::span<const uint8_t> bytes);

  /// False when the file delivers no byte at all, or fails to.
  bool first_byte_reads();

  /// The file read.
  const File& file() const { return file_; }

  /// Closes the file early; false when that fails.
  bool close() { return file_.close(); }

  /// Fills `into` with bytes [at, at + into.size()). False after a read
  /// error.
  bool fetch(uint64_t at, std::span<uint8_t> into);

  /// Bytes [at, at + size), read into `room` aligned with `at` (see
  /// kReadAlignment), where the system copies them fastest. `room`
  /// starts on a page and holds size + kReadAlignment bytes. No value after
  /// a read error.
  std::optional<std::span<const uint8_t>> view(uint64_t at, size_t size,
                                               std::span<uint8_t> room);

 private:
  File file_;
  std::span<const uint8_t> bytes_;
  uint64_t length_;
  bool in_memory_ = false;
};

}  // namespace bintool

#endif  // BINTOOL_LANES_EPROM_SOURCE_H_
