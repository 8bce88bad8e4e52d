// 1 to 4: the HEBER conversions between two EPROM images and one. Each
// destination is written in blocks, from the source bytes its block needs.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

// Buffer sizes have always been signed 32-bit counts; a larger image is
// refused as memory that cannot be had.
constexpr int64_t kLargestBuffer = INT32_MAX;

// A source of `length` bytes, read where a layout asks. A source that is
// also a destination is read whole first, since creating the destination
// empties it.
class Source {
 public:
  explicit Source(const char* name) : file_(File::open(name, Role::kSource)) {}

  // kDone, or kFailed after the message for what went wrong: it cannot be
  // opened, it delivers no byte at all, or no memory for a whole copy.
  int check(uint64_t length, bool whole) {
    length_ = length;
    if (!file_) {
      return fail(kCantOpenFile);
    }
    if (whole) {
      copy_ = block_or_fail(length);
      if (!copy_) {
        return kFailed;
      }
    }
    std::optional<size_t> got = read(0, whole ? copy_.span() : probe_);
    if (!got || *got == 0) {
      return fail(kCantReadFile);
    }
    if (whole) {
      // A file that shrank leaves zeros after its end.
      std::ranges::fill(copy_.span().subspan(*got), uint8_t{0});
      file_.close();
    }
    return kDone;
  }

  // Bytes [at, at + into.size()); 0xFF past the measured length, zeros
  // where a file that shrank has no bytes left. False after a read error.
  bool fetch(uint64_t at, std::span<uint8_t> into) {
    auto inside = static_cast<size_t>(
        at < length_ ? std::min<uint64_t>(into.size(), length_ - at) : 0);
    std::fill(into.begin() + static_cast<ptrdiff_t>(inside), into.end(),
              uint8_t{0xFF});
    std::optional<size_t> got = read(at, into.first(inside));
    if (got) {
      std::fill(into.begin() + static_cast<ptrdiff_t>(*got),
                into.begin() + static_cast<ptrdiff_t>(inside), uint8_t{0});
    }
    return got.has_value();
  }

  // Where a layout reads the source: the whole copy, or the file.
  Fetch fetcher() {
    if (copy_) {
      return fetch_from(copy_.span());
    }
    return [this](uint64_t at, std::span<uint8_t> into) {
      return fetch(at, into);
    };
  }

 private:
  std::optional<size_t> read(uint64_t at, std::span<uint8_t> into) {
    return file_.read_at(at, into);
  }

  File file_;
  Buffer copy_;
  uint64_t length_;
  uint8_t probe_[1] = {};
};

// The blocks the destinations are written from, and the layouts' scratch.
struct Blocks {
  Buffer buffer = block_or_fail(4 * kBlockSize + 4);
  std::span<uint8_t> out(int which) const {
    return buffer.span().subspan(static_cast<size_t>(which) * kBlockSize,
                                 kBlockSize);
  }
  Scratch scratch() const {
    return {buffer.span().subspan(2 * kBlockSize, kBlockSize + 2),
            buffer.span().subspan(3 * kBlockSize + 2)};
  }
};

// Writes `size` bytes that `fill` makes a block at a time into `file`, and
// closes it: fill(first, out, scratch) makes bytes [first, first +
// out.size()), false after a read error.
template <typename Fill>
int write_blocks(File& file, uint64_t size, const Blocks& blocks, Fill fill) {
  for (uint64_t first = 0; first < size; first += kBlockSize) {
    auto out = blocks.out(0).first(
        static_cast<size_t>(std::min<uint64_t>(kBlockSize, size - first)));
    if (!fill(first, out, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!file.write(out)) {
      return fail(kCantWriteToFile);
    }
  }
  return file.close() ? kDone : fail(kCantWriteToFile);
}

// The program image of two EPROMs of `n` bytes, made from the EPROMs' side:
// each block of them is read once, and its even and odd words are written
// where they land, two places at a time. Made in the image's own order
// instead, every EPROM block would be read twice, once for each quarter it
// feeds.
int write_program_words(File& file, uint64_t n, const Fetch& first,
                        const Fetch& second, const Blocks& blocks) {
  constexpr size_t kEpromBlock = kBlockSize / 2;
  Scratch room = blocks.scratch();
  for (uint64_t s = 0; s < n; s += kEpromBlock) {
    auto count = static_cast<size_t>(std::min<uint64_t>(kEpromBlock, n - s));
    // One byte more for the odd words' last word-wide read.
    auto e1 = room.a.first(count + 1);
    auto e2 = room.b.first(count + 1);
    if (!first(s, e1.first(count)) || !second(s, e2.first(count))) {
      return fail(kCantReadFile);
    }
    auto even = blocks.out(0).first(count);
    auto odd = blocks.out(0).subspan(count, count);
    heber_program_words(e1, e2, even, odd);
    auto put = [&](uint64_t at, std::span<const uint8_t> run) {
      return file.write_at(at, run);
    };
    if (!place_program_words(s, even, n, put) ||
        !place_program_words(n + s, odd, n, put)) {
      return fail(kCantWriteToFile);
    }
  }
  return file.close() ? kDone : fail(kCantWriteToFile);
}

using JoinLayout = bool (*)(const Fetch&, const Fetch&, uint64_t, uint64_t,
                            std::span<uint8_t>, Scratch);
using SplitLayout = bool (*)(const Fetch&, uint64_t, uint64_t,
                             std::span<uint8_t>, std::span<uint8_t>, Scratch);

int join_eproms(BinaryTool& tool, int argc, char* argv[], JoinLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t n = tool.file_length(argv[2]);
  if (n != tool.file_length(argv[3])) {
    return fail(kFilesNotTheSameSize);
  }
  if (n <= 0) {
    return kFailed;
  }
  // Each word takes two bytes of each EPROM; an odd length has no sound
  // image.
  if (n % 2 != 0) {
    return fail(kFilesMustHaveEvenLength);
  }
  if (n > kLargestBuffer / 2) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<uint64_t>(n);
  Blocks blocks;
  if (!blocks.buffer) {
    return kFailed;
  }
  Source first(argv[2]);
  if (first.check(size, same_file(argv[2], argv[4])) != kDone) {
    return kFailed;
  }
  Source second(argv[3]);
  if (second.check(size, same_file(argv[3], argv[4])) != kDone) {
    return kFailed;
  }
  File file = File::open(argv[4], Role::kNewDestination);
  if (!file) {
    return fail(kCantCreateFile);
  }
  // Only a regular file can be written out of order; a pipe takes the
  // image in its own order.
  if (layout == &heber_program_join && file.regular()) {
    return write_program_words(file, size, first.fetcher(), second.fetcher(),
                               blocks);
  }
  return write_blocks(file, 2 * size, blocks,
                      [&, e1 = first.fetcher(), e2 = second.fetcher()](
                          uint64_t at, std::span<uint8_t> out, Scratch room) {
                        return layout(e1, e2, size, at, out, room);
                      });
}

int split_image(BinaryTool& tool, int argc, char* argv[], SplitLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t length = tool.file_length(argv[2]);
  if (length <= 0) {
    return kFailed;
  }
  if (length > kLargestBuffer) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<uint64_t>(length);
  Blocks blocks;
  if (!blocks.buffer) {
    return kFailed;
  }
  Source image(argv[2]);
  if (image.check(size, same_file(argv[2], argv[3]) ||
                            same_file(argv[2], argv[4])) != kDone) {
    return kFailed;
  }
  File first_eprom = File::open(argv[3], Role::kNewDestination);
  if (!first_eprom) {
    return fail(kCantCreateFile);
  }
  // Both EPROMs are written in one pass, each byte of the image read once.
  // When the second cannot be created, the first is still made whole before
  // that is said.
  File second_eprom = File::open(argv[4], Role::kNewDestination);
  bool both = static_cast<bool>(second_eprom);
  Fetch fetch = image.fetcher();
  for (uint64_t at = 0; at < size / 2; at += kBlockSize) {
    auto count =
        static_cast<size_t>(std::min<uint64_t>(kBlockSize, size / 2 - at));
    auto e1 = blocks.out(0).first(count);
    auto e2 = blocks.out(1).first(count);
    if (!layout(fetch, size, at, e1, e2, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!first_eprom.write(e1) || (both && !second_eprom.write(e2))) {
      return fail(kCantWriteToFile);
    }
  }
  if (!first_eprom.close() || !second_eprom.close()) {
    return fail(kCantWriteToFile);
  }
  return both ? kDone : fail(kCantCreateFile);
}

}  // namespace

int BinaryTool::heber_program_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, &bintool::heber_program_join);
}

int BinaryTool::heber_program_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, &bintool::heber_program_split);
}

int BinaryTool::heber_video_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, &bintool::heber_video_join);
}

int BinaryTool::heber_video_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, &bintool::heber_video_split);
}

}  // namespace bintool
