// 1 to 4: the HEBER conversions between two EPROM images and one. Each
// destination is written in blocks, from the source bytes its block needs.
#include <algorithm>
#include <utility>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
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

// Blocks for the destinations, and room for the source bytes of one, each
// starting on a page.
constexpr size_t kRoom =
    (kShuffleBlockSize + 1 + 2 * kReadAlignment + 4095) / 4096 * 4096;
struct Blocks {
  Buffer buffer = block_or_fail(2 * kShuffleBlockSize + 2 * kRoom);
  std::span<uint8_t> out(int which) const {
    return buffer.span().subspan(static_cast<size_t>(which) * kShuffleBlockSize,
                                 kShuffleBlockSize);
  }
  Scratch scratch() const {
    return {buffer.span().subspan(2 * kShuffleBlockSize, kRoom),
            buffer.span().subspan(2 * kShuffleBlockSize + kRoom, kRoom)};
  }
};

// kDone, or kFailed after the message: `source` delivers no byte at all.
int check(EpromSource& source) {
  return source.delivers() ? kDone : fail(kCantReadFile);
}

// The image of `n`-byte EPROMs in its own order, a block at a time.
int write_in_order(File& file, uint64_t n, EpromSource& e1, EpromSource& e2,
                   decltype(heber_video_join)* join, const Blocks& blocks) {
  for (uint64_t at = 0; at < 2 * n; at += kShuffleBlockSize) {
    auto out = blocks.out(0).first(
        static_cast<size_t>(std::min<uint64_t>(kShuffleBlockSize, 2 * n - at)));
    if (!join(e1, e2, n, at, out, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!file.write(out)) {
      return fail(kCantWriteToFile);
    }
  }
  return kDone;
}

// The program image into a regular file, from the EPROMs' side: each EPROM
// block is read once and its words written where they land (in the image's
// order, as a pipe needs, each block is read twice).
int write_program_by_words(File& file, uint64_t n, EpromSource& e1,
                           EpromSource& e2, const Blocks& blocks) {
  for (uint64_t s = 0; s < n; s += kShuffleBlockSize) {
    auto count =
        static_cast<size_t>(std::min<uint64_t>(kShuffleBlockSize, n - s));
    auto even = blocks.out(0).first(count);
    auto odd = blocks.out(1).first(count);
    if (!heber_program_words(e1, e2, s, even, odd, blocks.scratch())) {
      return fail(kCantReadFile);
    }
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
  return kDone;
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], Board board) {
  if (!require_args(argc, 5, kTooFewParams)) {
    return kFailed;
  }
  auto [first_file, n] = tool.open_source(argv[2]);
  auto [second_file, second_length] = tool.open_source(argv[3]);
  if (n != second_length) {
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
  EpromSource first(std::move(first_file), size);
  if (check(first) != kDone) {
    return kFailed;
  }
  EpromSource second(std::move(second_file), size);
  if (check(second) != kDone) {
    return kFailed;
  }
  // A source that is also the destination is replaced by a new file, made
  // beside it, once the image is whole.
  Destinations image({argv + 4, 1}, kCantCreateFile);
  const File* sources[] = {&first.file(), &second.file()};
  if (!image.refuse(sources, true)) {
    return kFailed;
  }
  File* file = image.start(0);
  if (!file) {
    return kFailed;
  }
  int written =
      board == Board::kVideo
          ? write_in_order(*file, size, first, second, heber_video_join, blocks)
      : file->regular()
          ? write_program_by_words(*file, size, first, second, blocks)
          : write_in_order(*file, size, first, second, heber_program_join,
                           blocks);
  if (written != kDone) {
    return kFailed;
  }
  first.close();
  second.close();
  return image.finish() ? kDone : fail(kCantWriteToFile);
}

int split_image(BinaryTool& tool, int argc, char* argv[], Board board) {
  if (!require_args(argc, 5, kTooFewParams)) {
    return kFailed;
  }
  auto [file, length] = tool.open_source(argv[2]);
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
  EpromSource image(std::move(file), size);
  if (check(image) != kDone) {
    return kFailed;
  }
  Destinations eproms({argv + 3, 2}, kCantCreateFile);
  const File* sources[] = {&image.file()};
  if (!eproms.refuse(sources, true)) {
    return kFailed;
  }
  // When the second cannot be had, a first EPROM in a new file is still made
  // whole before that is said; one that would replace the image is not.
  bool both = eproms.ready(1);
  if (!both && eproms.replaces(0)) {
    return fail(kCantCreateFile);
  }
  if (!eproms.begin(both ? 2 : 1)) {
    return kFailed;
  }
  File& first_eprom = eproms.file(0);
  auto split =
      board == Board::kProgram ? heber_program_split : heber_video_split;
  uint64_t h = size / 2;
  for (uint64_t at = 0; at < h; at += kShuffleBlockSize) {
    auto count =
        static_cast<size_t>(std::min<uint64_t>(kShuffleBlockSize, h - at));
    auto e1 = blocks.out(0).first(count);
    auto e2 = blocks.out(1).first(count);
    if (!split(image, size, at, e1, e2, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!first_eprom.write(e1) || (both && !eproms.file(1).write(e2))) {
      return fail(kCantWriteToFile);
    }
  }
  image.close();
  if (!eproms.finish()) {
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
