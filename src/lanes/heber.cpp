// 1 to 4: the HEBER conversions between two EPROM images and one. Each
// destination is written in blocks, from the source bytes its block needs.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/buffer.h"
#include "io/file.h"
#include "lanes/heber_layout.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

// Images of 2 GiB or more have always been refused as memory that cannot be
// had (buffer sizes were signed 32-bit counts); scripts may rely on that.
constexpr int64_t kLargestBuffer = INT32_MAX;

enum class Board { kProgram, kVideo };

// Blocks for the destinations, and room for the source bytes of one.
struct Blocks {
  Buffer buffer = block_or_fail(4 * kShuffleBlockSize + 2);
  std::span<uint8_t> out(int which) const {
    return buffer.span().subspan(static_cast<size_t>(which) * kShuffleBlockSize,
                                 kShuffleBlockSize);
  }
  Scratch scratch() const {
    return {buffer.span().subspan(2 * kShuffleBlockSize, kShuffleBlockSize + 1),
            buffer.span().subspan(3 * kShuffleBlockSize + 1,
                                  kShuffleBlockSize + 1)};
  }
};

// kDone, or kFailed after the message: `source` did not open or delivers no
// byte at all. A source that is also the destination is read through first,
// so that a read error is said before any of it is overwritten.
int check(EpromSource& source, bool in_place, const Blocks& blocks) {
  if (!source) {
    return fail(kCantOpenFile);
  }
  if (!source.delivers()) {
    return fail(kCantReadFile);
  }
  if (in_place && !source.read_through(blocks.out(0))) {
    return fail(kCantReadFile);
  }
  return kDone;
}

// A destination that is also a source is written in place, never emptied:
// the orders below read every source byte before its place is written.
File open_destination(const char* name, bool in_place) {
  return File::open(name, in_place ? Role::kInPlace : Role::kNewDestination);
}

// Where block i of those that cover `size` bytes starts, last first when
// `backwards`.
uint64_t block_at(uint64_t i, uint64_t size, bool backwards) {
  uint64_t last = (size - 1) / kShuffleBlockSize;
  return (backwards ? last - i : i) * kShuffleBlockSize;
}

// The program image into a regular file, from the EPROMs' side: each EPROM
// block is read once (in the image's order, as a pipe needs, twice). In
// place, the last block goes first: a block writes its own bytes and, from
// Q on, only bytes past the EPROM or of blocks already read.
int write_program_by_words(File& file, uint64_t n, EpromSource& e1,
                           EpromSource& e2, const Blocks& blocks,
                           bool in_place) {
  Scratch room = blocks.scratch();
  for (uint64_t i = 0; i * kShuffleBlockSize < n; ++i) {
    uint64_t s = block_at(i, n, in_place);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(kShuffleBlockSize, n - s));
    auto a = room.a.first(count + 1);
    auto b = room.b.first(count + 1);
    if (!e1.fetch(s, a) || !e2.fetch(s, b)) {
      return fail(kCantReadFile);
    }
    // Bytes [s, s + count) of W's halves; then only the middle quarters
    // move.
    auto even = blocks.out(0).first(count);
    auto odd = blocks.out(1).first(count);
    alternate_even_bytes(a, b, even);
    alternate_even_bytes(a.subspan(1), b.subspan(1), odd);
    for (auto [w, words] : {std::pair{s, even}, {n + s, odd}}) {
      while (!words.empty()) {
        QuarterRun run = exchanged(w, n / 2);
        auto part = words.first(static_cast<size_t>(
            std::min<uint64_t>(words.size(), run.until - w)));
        if (!file.write_at(run.from, part)) {
          return fail(kCantWriteToFile);
        }
        w += part.size();
        words = words.subspan(part.size());
      }
    }
  }
  return file.close() ? kDone : fail(kCantWriteToFile);
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], Board board) {
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
  bool first_in_place = same_file(argv[2], argv[4]);
  bool second_in_place = same_file(argv[3], argv[4]);
  EpromSource first(argv[2], size);
  if (check(first, first_in_place, blocks) != kDone) {
    return kFailed;
  }
  EpromSource second(argv[3], size);
  if (check(second, second_in_place, blocks) != kDone) {
    return kFailed;
  }
  bool in_place = first_in_place || second_in_place;
  File file = open_destination(argv[4], in_place);
  if (!file) {
    return fail(kCantCreateFile);
  }
  if (board == Board::kProgram && file.regular()) {
    return write_program_by_words(file, size, first, second, blocks, in_place);
  }
  // In place (the video board), the last block goes first: each block
  // reads EPROM bytes at or past its own offset in the image.
  auto join = board == Board::kProgram ? heber_program_join : heber_video_join;
  for (uint64_t i = 0; i * kShuffleBlockSize < 2 * size; ++i) {
    uint64_t at = block_at(i, 2 * size, in_place);
    auto out = blocks.out(0).first(static_cast<size_t>(
        std::min<uint64_t>(kShuffleBlockSize, 2 * size - at)));
    if (!join(first, second, size, at, out, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!(in_place ? file.write_at(at, out) : file.write(out))) {
      return fail(kCantWriteToFile);
    }
  }
  return file.close() ? kDone : fail(kCantWriteToFile);
}

int split_image(BinaryTool& tool, int argc, char* argv[], Board board) {
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
  bool first_in_place = same_file(argv[2], argv[3]);
  bool second_in_place = same_file(argv[2], argv[4]);
  bool in_place = first_in_place || second_in_place;
  EpromSource image(argv[2], size);
  if (check(image, in_place, blocks) != kDone) {
    return kFailed;
  }
  File first_eprom = open_destination(argv[3], first_in_place);
  if (!first_eprom) {
    return fail(kCantCreateFile);
  }
  // Both EPROMs are written in one pass, each byte of the image read once;
  // in place too, since a block reads image bytes at or past its own offset
  // (but for the last). When the second cannot be created, the first is
  // still made whole before that is said.
  File second_eprom = open_destination(argv[4], second_in_place);
  bool both = static_cast<bool>(second_eprom);
  auto split =
      board == Board::kProgram ? heber_program_split : heber_video_split;
  auto write = [&](std::span<const uint8_t> e1, std::span<const uint8_t> e2) {
    return first_eprom.write(e1) && (!both || second_eprom.write(e2));
  };
  // In place, the last block is made first and written last: of an image of
  // no multiple of 4 bytes it reads bytes that the blocks before overwrite.
  uint64_t h = size / 2;
  uint64_t end = in_place && h > 0 ? block_at(0, h, true) : h;
  Buffer last;
  std::span<uint8_t> last_e1;
  std::span<uint8_t> last_e2;
  if (end < h) {
    last = block_or_fail(2 * kShuffleBlockSize);
    if (!last) {
      return kFailed;
    }
    last_e1 = last.span().first(static_cast<size_t>(h - end));
    last_e2 = last.span().subspan(kShuffleBlockSize, last_e1.size());
    if (!split(image, size, end, last_e1, last_e2, blocks.scratch())) {
      return fail(kCantReadFile);
    }
  }
  for (uint64_t at = 0; at < end; at += kShuffleBlockSize) {
    auto count =
        static_cast<size_t>(std::min<uint64_t>(kShuffleBlockSize, end - at));
    auto e1 = blocks.out(0).first(count);
    auto e2 = blocks.out(1).first(count);
    if (!split(image, size, at, e1, e2, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!write(e1, e2)) {
      return fail(kCantWriteToFile);
    }
  }
  if (!write(last_e1, last_e2)) {
    return fail(kCantWriteToFile);
  }
  // An EPROM written over its image is cut to its own length.
  if ((first_in_place && !first_eprom.truncate(h)) ||
      (second_in_place && both && !second_eprom.truncate(h)) ||
      !first_eprom.close() || !second_eprom.close()) {
    return fail(kCantWriteToFile);
  }
  return both ? kDone : fail(kCantCreateFile);
}

}  // namespace

int BinaryTool::heber_program_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, Board::kProgram);
}

int BinaryTool::heber_program_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, Board::kProgram);
}

int BinaryTool::heber_video_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, Board::kVideo);
}

int BinaryTool::heber_video_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, Board::kVideo);
}

}  // namespace bintool
