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

// Buffer sizes have always been signed 32-bit counts; a larger image is
// refused as memory that cannot be had.
constexpr int64_t kLargestBuffer = INT32_MAX;

enum class Board { kProgram, kVideo };

// kDone, or kFailed after the message: `source` did not open, delivers no
// byte at all, or, when it is also a destination and so read whole before
// that is created, no memory can be had for it or its read failed.
int check(EpromSource& source, uint64_t length, bool whole) {
  if (!source) {
    return fail(kCantOpenFile);
  }
  if (!source.delivers()) {
    return fail(kCantReadFile);
  }
  if (!whole) {
    return kDone;
  }
  Buffer copy = block_or_fail(length);
  if (!copy) {
    return kFailed;
  }
  return source.hold(std::move(copy)) ? kDone : fail(kCantReadFile);
}

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

// The program image into a regular file, from the EPROMs' side: each EPROM
// block is read once (in the image's order, as a pipe needs, twice).
int write_program_by_words(File& file, uint64_t n, EpromSource& e1,
                           EpromSource& e2, const Blocks& blocks) {
  Scratch room = blocks.scratch();
  for (uint64_t s = 0; s < n; s += kShuffleBlockSize) {
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
  EpromSource first(argv[2], size);
  if (check(first, size, same_file(argv[2], argv[4])) != kDone) {
    return kFailed;
  }
  EpromSource second(argv[3], size);
  if (check(second, size, same_file(argv[3], argv[4])) != kDone) {
    return kFailed;
  }
  File file = File::open(argv[4], Role::kNewDestination);
  if (!file) {
    return fail(kCantCreateFile);
  }
  if (board == Board::kProgram && file.regular()) {
    return write_program_by_words(file, size, first, second, blocks);
  }
  auto join = board == Board::kProgram ? heber_program_join : heber_video_join;
  for (uint64_t at = 0; at < 2 * size; at += kShuffleBlockSize) {
    auto out = blocks.out(0).first(static_cast<size_t>(
        std::min<uint64_t>(kShuffleBlockSize, 2 * size - at)));
    if (!join(first, second, size, at, out, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!file.write(out)) {
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
  EpromSource image(argv[2], size);
  if (check(image, size,
            same_file(argv[2], argv[3]) || same_file(argv[2], argv[4])) !=
      kDone) {
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
  auto split =
      board == Board::kProgram ? heber_program_split : heber_video_split;
  for (uint64_t at = 0; at < size / 2; at += kShuffleBlockSize) {
    auto count = static_cast<size_t>(
        std::min<uint64_t>(kShuffleBlockSize, size / 2 - at));
    auto e1 = blocks.out(0).first(count);
    auto e2 = blocks.out(1).first(count);
    if (!split(image, size, at, e1, e2, blocks.scratch())) {
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
