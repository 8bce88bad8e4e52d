// The HEBER conversions between files, a block at a time.
#include "lanes/heber_stream.h"

#include <algorithm>
#include <utility>

#include "app/conventions.h"
#include "app/messages.h"
#include "lanes/lane_layout.h"
#include "lanes/shuffle_block.h"

namespace bintool {
namespace {

// Room for the source bytes of an output block of `block` bytes, in whole
// units of the read alignment (pages; a test build's smaller unit).
size_t room_for(size_t block) {
  return (block + 1 + 3 * kReadAlignment - 1) / kReadAlignment * kReadAlignment;
}

// The image of `n`-byte EPROMs in its own order, a block at a time.
int write_in_order(File& file, uint64_t n, EpromSource& e1, EpromSource& e2,
                   decltype(heber_video_join)* join,
                   const HeberBlocks& blocks) {
  for (uint64_t at = 0; at < 2 * n; at += blocks.size()) {
    auto out = blocks.outputs(2 * n - at).first;
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
                           EpromSource& e2, const HeberBlocks& blocks) {
  for (uint64_t s = 0; s < n; s += blocks.size()) {
    auto [even, odd] = blocks.outputs(n - s);
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

}  // namespace

HeberBlocks::HeberBlocks()
    : size_(shuffle_block_size()),
      buffer_(block_or_fail(2 * size_ + 2 * room_for(size_))) {}

std::pair<std::span<uint8_t>, std::span<uint8_t>> HeberBlocks::outputs(
    uint64_t left) const {
  auto size = static_cast<size_t>(std::min<uint64_t>(size_, left));
  return {buffer_.span().first(size), buffer_.span().subspan(size_, size)};
}

Scratch HeberBlocks::scratch() const {
  size_t room = room_for(size_);
  return {buffer_.span().subspan(2 * size_, room),
          buffer_.span().subspan(2 * size_ + room, room)};
}

int write_image(File& out, Board board, uint64_t n, EpromSource& e1,
                EpromSource& e2, const HeberBlocks& blocks) {
  if (board == Board::kVideo) {
    return write_in_order(out, n, e1, e2, heber_video_join, blocks);
  }
  return out.regular()
             ? write_program_by_words(out, n, e1, e2, blocks)
             : write_in_order(out, n, e1, e2, heber_program_join, blocks);
}

int write_eproms(File& first, File* second, Board board, uint64_t size,
                 EpromSource& image, const HeberBlocks& blocks) {
  auto split =
      board == Board::kProgram ? heber_program_split : heber_video_split;
  uint64_t h = size / 2;
  for (uint64_t at = 0; at < h; at += blocks.size()) {
    auto [e1, e2] = blocks.outputs(h - at);
    if (!split(image, size, at, e1, e2, blocks.scratch())) {
      return fail(kCantReadFile);
    }
    if (!first.write(e1) || (second != nullptr && !second->write(e2))) {
      return fail(kCantWriteToFile);
    }
  }
  return kDone;
}

}  // namespace bintool
