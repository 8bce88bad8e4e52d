// The HEBER conversions a window of output at a time.
#include "lanes/heber_layout.h"

#include <algorithm>
#include <cstring>

#include "lanes/lane_layout.h"

namespace bintool {
namespace {

// Bytes [at, at + size) of the image with its middle quarters exchanged,
// placed in `room` as EpromSource::view places them: a run that lies in the
// file at another remainder than in the image (a quarter of no whole number
// of pages) is read aligned with its file offset, then moved down.
std::optional<std::span<const uint8_t>> view_exchanged(
    EpromSource& image, uint64_t quarter, uint64_t at, size_t size,
    std::span<uint8_t> room) {
  size_t start = at % kReadAlignment;
  for (size_t o = 0; o < size;) {
    QuarterRun run = exchanged(at + o, quarter);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(size - o, run.until - (at + o)));
    size_t place = start + o;
    size_t skew =
        (run.from + kReadAlignment - place % kReadAlignment) % kReadAlignment;
    std::span<uint8_t> read_into = room.subspan(place + skew, count);
    if (!image.fetch(run.from, read_into)) {
      return std::nullopt;
    }
    if (skew != 0) {
      std::memmove(room.data() + place, read_into.data(), count);
    }
    o += count;
  }
  return room.subspan(start, size);
}

}  // namespace

bool heber_program_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                        uint64_t first, std::span<uint8_t> out,
                        Scratch scratch) {
  // Quarters are n / 2 bytes, so none straddles the two halves of W. Byte r
  // of W's half `half` is E1[r + half] for even r and E2[r - 1 + half] for
  // odd r.
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    QuarterRun run = exchanged(j, n / 2);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(out.size() - o, run.until - j));
    uint64_t half = run.from >= n ? 1 : 0;
    uint64_t r = run.from - half * n;
    std::span<uint8_t> part = out.subspan(o, count);
    if (r % 2 != 0) {
      // An odd quarter starts inside a word, with the word's second byte.
      if (!e2.fetch(r - 1 + half, part.first(1))) {
        return false;
      }
      part = part.subspan(1);
      ++r;
    }
    auto a = e1.view(r + half, part.size(), scratch.first_run);
    auto b = e2.view(r + half, part.size(), scratch.second_run);
    if (!a || !b) {
      return false;
    }
    alternate_even_bytes(*a, *b, part);
    o += count;
  }
  return true;
}

bool heber_program_words(EpromSource& e1, EpromSource& e2, uint64_t first,
                         std::span<uint8_t> even, std::span<uint8_t> odd,
                         Scratch scratch) {
  auto a = e1.view(first, even.size() + 1, scratch.first_run);
  auto b = e2.view(first, even.size() + 1, scratch.second_run);
  if (!a || !b) {
    return false;
  }
  alternate_even_bytes(*a, *b, even);
  alternate_even_bytes(a->subspan(1), b->subspan(1), odd);
  return true;
}

bool heber_program_split(EpromSource& image, uint64_t length, uint64_t first,
                         std::span<uint8_t> e1, std::span<uint8_t> e2,
                         Scratch scratch) {
  // Both EPROMs take their bytes from the same two stretches of B, the
  // second one byte further on; only an odd last byte of the second needs
  // the low stretch's byte past the window.
  auto low = view_exchanged(image, length / 4, first, e1.size() + 1,
                            scratch.first_run);
  auto high = view_exchanged(image, length / 4, length / 2 + first, e1.size(),
                             scratch.second_run);
  if (!low || !high) {
    return false;
  }
  alternate_even_bytes(*low, *high, e1);
  alternate_even_bytes(low->subspan(1), high->subspan(1), e2);
  return true;
}

bool heber_video_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                      uint64_t first, std::span<uint8_t> out, Scratch scratch) {
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    bool lower = j < n;
    uint64_t i = lower ? j : j - n;
    auto count = static_cast<size_t>(std::min<uint64_t>(out.size() - o, n - i));
    auto from = (lower ? e2 : e1).view(i, count, scratch.first_run);
    if (!from) {
      return false;
    }
    swap_word_bytes(*from, out.subspan(o, count));
    o += count;
  }
  return true;
}

bool heber_video_split(EpromSource& image, uint64_t length, uint64_t first,
                       std::span<uint8_t> e1, std::span<uint8_t> e2,
                       Scratch scratch) {
  size_t size = e1.size() + e1.size() % 2;
  auto upper = image.view(length / 2 + first, size, scratch.first_run);
  auto lower = image.view(first, size, scratch.second_run);
  if (!upper || !lower) {
    return false;
  }
  swap_word_bytes(*upper, e1);
  swap_word_bytes(*lower, e2);
  return true;
}

}  // namespace bintool
