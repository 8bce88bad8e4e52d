// The HEBER conversions between files, a block at a time.
#include "lanes/heber_stream.h"

#include <algorithm>
#include <utility>

#include "lanes/lane_layout.h"
#include "lanes/shuffle_block.h"

namespace bintool {
namespace {

// What Scratch asks for a window of `block` bytes (lanes/heber_layout.h),
// in whole units of the read alignment.
size_t room_for(size_t block) {
  size_t needed = block + 1 + 2 * kReadAlignment;
  return (needed + kReadAlignment - 1) / kReadAlignment * kReadAlignment;
}

// The source that failed to be read.
Failure read_failure_of(const EpromFile& e1, const EpromFile& e2) {
  return (e1.failed() ? e1 : e2).read_failure();
}

// The image of `n`-byte EPROMs in its own order, a block at a time.
std::optional<Failure> write_in_order(Output out, uint64_t n, EpromFile& e1,
                                      EpromFile& e2,
                                      decltype(heber_video_join)* join,
                                      const HeberBlocks& blocks) {
  for (uint64_t at = 0; at < 2 * n; at += blocks.size()) {
    auto bytes = blocks.outputs(2 * n - at).first;
    if (!join(e1, e2, n, at, bytes, blocks.scratch())) {
      return read_failure_of(e1, e2);
    }
    if (!out.file->write(bytes)) {
      return write_failure(out.name, *out.file);
    }
  }
  return std::nullopt;
}

// The program image into a regular file, from the EPROMs' side: each EPROM
// block is read once and its words written where they land (in the image's
// order, as a pipe needs, each block is read twice).
std::optional<Failure> write_program_by_words(Output out, uint64_t n,
                                              EpromFile& e1, EpromFile& e2,
                                              const HeberBlocks& blocks) {
  for (uint64_t s = 0; s < n; s += blocks.size()) {
    auto [even, odd] = blocks.outputs(n - s);
    if (!heber_program_words(e1, e2, s, even, odd, blocks.scratch())) {
      return read_failure_of(e1, e2);
    }
    for (auto [w, words] : {std::pair{s, even}, {n + s, odd}}) {
      while (!words.empty()) {
        QuarterRun run = exchanged(w, n / 2);
        auto part = words.first(static_cast<size_t>(
            std::min<uint64_t>(words.size(), run.until - w)));
        if (!out.file->write_at(run.from, part)) {
          return write_failure(out.name, *out.file);
        }
        w += part.size();
        words = words.subspan(part.size());
      }
    }
  }
  return std::nullopt;
}

}  // namespace

HeberBlocks::HeberBlocks(size_t size, Buffer buffer)
    : size_(size), buffer_(std::move(buffer)) {}

std::optional<HeberBlocks> HeberBlocks::make() {
  size_t size = shuffle_block_size();
  Buffer buffer = Buffer::allocate(2 * size + 2 * room_for(size));
  if (!buffer) {
    return std::nullopt;
  }
  return HeberBlocks(size, std::move(buffer));
}

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

std::optional<Failure> write_image(Output out, Board board, uint64_t n,
                                   EpromFile& e1, EpromFile& e2,
                                   const HeberBlocks& blocks) {
  if (board == Board::kVideo) {
    return write_in_order(out, n, e1, e2, heber_video_join, blocks);
  }
  // A word's place may lie past a gap the writes left behind, which
  // fusefat refuses to fill later.
  return out.file->regular() && !out.file->on_fuse()
             ? write_program_by_words(out, n, e1, e2, blocks)
             : write_in_order(out, n, e1, e2, heber_program_join, blocks);
}

std::optional<Failure> write_eproms(Output first, Output second, Board board,
                                    uint64_t size, EpromFile& image,
                                    const HeberBlocks& blocks) {
  auto split =
      board == Board::kProgram ? heber_program_split : heber_video_split;
  uint64_t h = size / 2;
  for (uint64_t at = 0; at < h; at += blocks.size()) {
    auto [e1, e2] = blocks.outputs(h - at);
    if (!split(image, size, at, e1, e2, blocks.scratch())) {
      return image.read_failure();
    }
    if (!first.file->write(e1)) {
      return write_failure(first.name, *first.file);
    }
    if (second.file != nullptr && !second.file->write(e2)) {
      return write_failure(second.name, *second.file);
    }
  }
  return std::nullopt;
}

}  // namespace bintool
