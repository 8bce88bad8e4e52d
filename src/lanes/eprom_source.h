// One EPROM image as a layout reads it, and the file that holds one.
#ifndef BINTOOL_LANES_EPROM_SOURCE_H_
#define BINTOOL_LANES_EPROM_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "app/failure.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

/// Where a layout reads one EPROM image of a measured length, at the offsets
/// a window needs. Bytes past the length read as 0xFF, an erased EPROM cell.
class EpromSource {
 public:
  explicit EpromSource(uint64_t length) : length_(length) {}
  EpromSource(EpromSource&&) = default;
  EpromSource& operator=(EpromSource&&) = delete;
  virtual ~EpromSource() = default;

  /// Fills `into` with bytes [at, at + into.size()). False after a read
  /// error.
  bool fetch(uint64_t at, std::span<uint8_t> into);

  /// Bytes [at, at + size), read into `room` aligned with `at` (see
  /// kReadAlignment), where the system copies them fastest. `room`
  /// starts on a page and holds size + kReadAlignment bytes. No value after
  /// a read error.
  std::optional<std::span<const uint8_t>> view(uint64_t at, size_t size,
                                               std::span<uint8_t> room);

 protected:
  /// Fills `into` with bytes [at, at + into.size()), all within the length.
  virtual bool read(uint64_t at, std::span<uint8_t> into) = 0;

 private:
  uint64_t length_;
};

/// An EPROM image in a file; bytes that the file no longer has (it shrank)
/// read as 0.
class EpromFile final : public EpromSource {
 public:
  /// An open file named `name`, measured at `length` bytes.
  EpromFile(File file, uint64_t length, const char* name);

  /// False when the file gives no byte at all, or fails to.
  bool first_byte_reads();

  /// The file read, and the name it was given as.
  const File& file() const { return file_; }
  const char* name() const { return name_; }

  /// True once a read of it failed, which read_failure() says.
  bool failed() const { return file_.error() != 0; }
  Failure read_failure() const { return bintool::read_failure(name_, file_); }

  /// Closes the file early; false when that fails.
  bool close() { return file_.close(); }

 private:
  bool read(uint64_t at, std::span<uint8_t> into) override;

  File file_;
  const char* name_;
};

}  // namespace bintool

#endif  // BINTOOL_LANES_EPROM_SOURCE_H_
