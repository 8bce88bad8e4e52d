// The HEBER conversions between files, a block at a time: the blocks, and
// how the one-EPROM image and the two EPROM images are written.
#ifndef BINTOOL_LANES_HEBER_STREAM_H_
#define BINTOOL_LANES_HEBER_STREAM_H_

#include <cstdint>
#include <span>
#include <utility>

#include "io/buffer.h"
#include "io/file.h"
#include "lanes/eprom_source.h"
#include "lanes/heber_layout.h"

namespace bintool {

enum class Board { kProgram, kVideo };

/// Two output blocks of shuffle_block_size() bytes, and room for the source
/// bytes of one, each starting on a page. False after "Can't create buffer\n"
/// when the memory cannot be had.
class HeberBlocks {
 public:
  HeberBlocks();
  explicit operator bool() const { return static_cast<bool>(buffer_); }
  size_t size() const { return size_; }

  /// The two output blocks, cut to `left` bytes where fewer are left.
  std::pair<std::span<uint8_t>, std::span<uint8_t>> outputs(
      uint64_t left) const;
  Scratch scratch() const;

 private:
  size_t size_;
  Buffer buffer_;
};

/// Writes the image of the `n`-byte EPROMs `e1` and `e2` (n even) to `out`:
/// into a regular file from the EPROMs' side, each EPROM block read once;
/// into anything else (a pipe) in the image's own order. kDone (0), or -1
/// after "Can't read file\n" or "Can't write to file\n".
int write_image(File& out, Board board, uint64_t n, EpromSource& e1,
                EpromSource& e2, const HeberBlocks& blocks);

/// Writes the two EPROM images of the `size`-byte `image` to `first` and,
/// unless it is null, `second`. kDone (0), or -1 after the message, as
/// write_image.
int write_eproms(File& first, File* second, Board board, uint64_t size,
                 EpromSource& image, const HeberBlocks& blocks);

}  // namespace bintool

#endif  // BINTOOL_LANES_HEBER_STREAM_H_
