// The HEBER conversions between files, a block at a time: the blocks, and
// how the one-EPROM image and the two EPROM images are written.
#ifndef BINTOOL_LANES_HEBER_STREAM_H_
#define BINTOOL_LANES_HEBER_STREAM_H_

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "app/failure.h"
#include "io/buffer.h"
#include "io/file.h"
#include "lanes/eprom_source.h"
#include "lanes/heber_layout.h"

namespace bintool {

enum class Board { kProgram, kVideo };

/// Two output blocks of shuffle_block_size() bytes, and the scratch room
/// their source bytes need, each starting on a page. No value from make()
/// when the memory cannot be had.
class HeberBlocks {
 public:
  static std::optional<HeberBlocks> make();
  size_t size() const { return size_; }

  /// The two output blocks, cut to `left` bytes where fewer are left.
  std::pair<std::span<uint8_t>, std::span<uint8_t>> outputs(
      uint64_t left) const;
  Scratch scratch() const;

 private:
  HeberBlocks(size_t size, Buffer buffer);

  size_t size_;
  Buffer buffer_;
};

/// A destination of a conversion, and the name it was given as.
struct Output {
  File* file;
  const char* name;
};

/// Writes the image of the `n`-byte EPROMs `e1` and `e2` (n even) to `out`:
/// into a regular file from the EPROMs' side, each EPROM block read once;
/// into anything else (a pipe, a file on FUSE) in the image's own order. No
/// value when done, else the failure: a source that cannot be read, or `out`
/// written.
std::optional<Failure> write_image(Output out, Board board, uint64_t n,
                                   EpromFile& e1, EpromFile& e2,
                                   const HeberBlocks& blocks);

/// Writes the two EPROM images of the `size`-byte `image` to `first` and,
/// unless its file is null, `second`; the failure as write_image says it.
std::optional<Failure> write_eproms(Output first, Output second, Board board,
                                    uint64_t size, EpromFile& image,
                                    const HeberBlocks& blocks);

}  // namespace bintool

#endif  // BINTOOL_LANES_HEBER_STREAM_H_
