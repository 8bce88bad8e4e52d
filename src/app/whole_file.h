// A source's bytes in memory without copying where the system allows: whole,
// for the commands that reorder images, or a window at a time.
#ifndef BINTOOL_APP_WHOLE_FILE_H_
#define BINTOOL_APP_WHOLE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/buffer.h"
#include "app/file.h"

namespace bintool {

/// The first `size` bytes of a file, read-only. Mapped straight from the
/// system's file cache when the whole range is there and the file is not
/// about to be rewritten; otherwise read into a buffer of its own.
class WholeFile {
 public:
  enum class Status { kOk, kCantOpen, kCantRead, kNoMemory };

  WholeFile() = default;
  WholeFile(WholeFile&& other) noexcept;
  WholeFile& operator=(WholeFile&& other) noexcept;
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;
  ~WholeFile();

  /// Loads `size` bytes of `path`. kCantOpen when it cannot be opened,
  /// kCantRead when it delivers no byte at all, kNoMemory when no buffer can
  /// be had. A file shorter than `size` leaves zeros after its end.
  /// `private_copy` forces a copy of its own, for a file that the command
  /// will empty while it still reads it (the source is also a destination).
  Status load(const char* path, size_t size, bool private_copy);

  std::span<const uint8_t> bytes() const { return {data_, size_}; }

 private:
  void release();

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t mapped_ = 0;  // bytes mapped, 0 when read into `copy_`
  Buffer copy_;
};

/// Reads a file front to back a window at a time. A window whose pages are
/// all in the system's file cache is mapped and never copied; any other is
/// read into `block`.
class WindowReader {
 public:
  /// Reads at most `limit` bytes of `file`, from its start.
  WindowReader(File& file, uint64_t limit, std::span<uint8_t> block);
  WindowReader(const WindowReader&) = delete;
  WindowReader& operator=(const WindowReader&) = delete;
  ~WindowReader();

  /// The next window; empty at the end of the file or of `limit`. Valid
  /// until the next call. A read error ends the file.
  std::span<const uint8_t> next();

 private:
  void unmap();

  File& file_;
  uint64_t offset_ = 0;
  uint64_t limit_;
  std::span<uint8_t> block_;
  void* mapped_ = nullptr;
  size_t mapped_size_ = 0;
  bool ended_ = false;
};

}  // namespace bintool

#endif  // BINTOOL_APP_WHOLE_FILE_H_
