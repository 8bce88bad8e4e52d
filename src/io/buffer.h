// Heap blocks whose request may fail, obtained without exceptions.
#ifndef BINTOOL_IO_BUFFER_H_
#define BINTOOL_IO_BUFFER_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace bintool {

/// The working block size of the streaming commands. A test build shrinks it
/// (BINTOOL_BLOCK_SIZE), so that small files already span many blocks.
#ifdef BINTOOL_BLOCK_SIZE
inline constexpr size_t kBlockSize = BINTOOL_BLOCK_SIZE;
#else
inline constexpr size_t kBlockSize = size_t{1} << 17;
#endif

/// The streaming reads are aligned with their file offset: the memory address
/// and the offset leave the same remainder divided by kReadAlignment. The
/// system copies a page-cache page fastest so (on some processors four times
/// faster than a few bytes off). Test builds, whose
/// blocks are smaller than a page, keep the rule at their block size.
inline constexpr size_t kReadAlignment = kBlockSize < 4096 ? kBlockSize : 4096;

// Callers cut a block into whole units of up to 64 bytes (rows, lines,
// words); a smaller block would hold none and never move on.
static_assert(kBlockSize >= 64 && kBlockSize % 64 == 0,
              "the block size must be a multiple of 64 bytes");

/// An owned, uninitialised byte block. Empty (size 0, null) when the request
/// failed.
class Buffer {
 public:
  Buffer() = default;

  /// Exactly `size` bytes, or an empty Buffer when they cannot be had.
  static Buffer allocate(size_t size);

  uint8_t* data() const { return data_.get(); }
  size_t size() const { return size_; }
  std::span<uint8_t> span() const { return {data_.get(), size_}; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  struct Free {
    void operator()(uint8_t* data) const;
  };
  std::unique_ptr<uint8_t[], Free> data_;
  size_t size_ = 0;
};

}  // namespace bintool

#endif  // BINTOOL_IO_BUFFER_H_
