// Byte-lane layouts: 16-bit images and their 8-bit lanes, and the one-EPROM
// layouts of HEBER program and video boards.
#include "lanes/lane_layout.h"

#include <algorithm>

namespace bintool {

size_t interleave_lanes(std::span<const uint8_t> even,
                        std::span<const uint8_t> odd,
                        std::span<uint8_t> image) {
  size_t pairs = std::min(even.size(), odd.size());
  for (size_t i = 0; i < pairs; ++i) {
    image[2 * i] = even[i];
    image[2 * i + 1] = odd[i];
  }
  if (even.size() > odd.size()) {
    image[2 * pairs] = even[pairs];
    return 2 * pairs + 1;
  }
  return 2 * pairs;
}

void deinterleave_lanes(std::span<const uint8_t> image, uint8_t* even,
                        uint8_t* odd) {
  size_t pairs = image.size() / 2;
  for (size_t i = 0; i < pairs; ++i) {
    even[i] = image[2 * i];
    odd[i] = image[2 * i + 1];
  }
  if (image.size() % 2 != 0) {
    even[pairs] = image[2 * pairs];
  }
}

namespace {

// Bytes of half `half` of the word-distributed image W, from offset r of
// that half on: the words (E1[2t + half], E2[2t + half]) one after another,
// so W byte r is E1[r + half] for even r and E2[r - 1 + half] for odd r.
void fill_words(std::span<const uint8_t> e1, std::span<const uint8_t> e2,
                size_t half, size_t r, std::span<uint8_t> out) {
  size_t o = 0;
  if (r % 2 != 0 && o < out.size()) {
    out[o++] = e2[r++ - 1 + half];
  }
  // Whole words in a loop the compiler can widen; r + half is at most n.
  size_t words = (out.size() - o) / 2;
  const uint8_t* first = e1.data() + r + half;
  const uint8_t* second = e2.data() + r + half;
  uint8_t* to = out.data() + o;
  for (size_t w = 0; w < words; ++w) {
    to[2 * w] = first[2 * w];
    to[2 * w + 1] = second[2 * w];
  }
  o += 2 * words;
  r += 2 * words;
  if (o < out.size()) {
    out[o] = e1[r + half];
  }
}

// The middle-quarter exchange of the program board, quarters of `quarter`
// bytes (the rest past four quarters stays): byte j comes from byte `from`,
// and so does every later byte, one for one, up to `until`.
struct QuarterRun {
  size_t from;
  size_t until;
};

QuarterRun exchanged(size_t j, size_t quarter) {
  if (j < quarter) {
    return {j, quarter};
  }
  if (j < 2 * quarter) {
    return {j + quarter, 2 * quarter};
  }
  if (j < 3 * quarter) {
    return {j - quarter, 3 * quarter};
  }
  return {j, SIZE_MAX};
}

// How many of the positions from, from + 2, from + 4, ... lie below `until`.
size_t every_other(size_t from, size_t until) {
  size_t span = until - from;
  return span / 2 + span % 2;
}

}  // namespace

void heber_program_join(std::span<const uint8_t> e1,
                        std::span<const uint8_t> e2, uint64_t first,
                        std::span<uint8_t> out) {
  size_t n = e1.size();
  auto j = static_cast<size_t>(first);
  // Quarters are n / 2 bytes, so none straddles the two halves of W.
  for (size_t o = 0; o < out.size();) {
    QuarterRun run = exchanged(j, n / 2);
    size_t count = std::min(out.size() - o, run.until - j);
    size_t half = run.from >= n ? 1 : 0;
    fill_words(e1, e2, half, run.from - half * n, out.subspan(o, count));
    j += count;
    o += count;
  }
}

void heber_program_split(std::span<const uint8_t> image, int lane,
                         uint64_t first, std::span<uint8_t> out) {
  size_t half = image.size() / 2;
  size_t quarter = image.size() / 4;
  auto side = static_cast<size_t>(lane);
  auto k = static_cast<size_t>(first);
  // Output bytes go in pairs from an even k: B[pair + side], then
  // B[half + pair + side]. Each run keeps both of them inside one quarter.
  for (size_t o = 0; o < out.size();) {
    size_t pair = k - k % 2;
    QuarterRun even = exchanged(pair + side, quarter);
    QuarterRun odd = exchanged(half + pair + side, quarter);
    size_t pairs =
        std::min({every_other(pair + side, even.until),
                  every_other(half + pair + side, odd.until), out.size()});
    size_t i = k - pair;
    size_t stop = std::min(2 * pairs, i + out.size() - o);
    if (i == 1) {
      out[o++] = image[odd.from];
      i = 2;
    }
    for (; i + 1 < stop; i += 2) {
      out[o++] = image[even.from + i];
      out[o++] = image[odd.from + i];
    }
    if (i < stop) {
      out[o++] = image[even.from + i++];
    }
    k = pair + i;
  }
}

namespace {

// Bytes [first, first + out.size()) of `from` with the two bytes of every
// word exchanged (byte k is from[k ^ 1]); 0xFF for any byte past its end.
void swap_words(std::span<const uint8_t> from, size_t first,
                std::span<uint8_t> out) {
  size_t k = first;
  size_t o = 0;
  auto at = [&](size_t i) { return i < from.size() ? from[i] : uint8_t{0xFF}; };
  if (k % 2 != 0 && o < out.size()) {
    out[o++] = at(k - 1);
    ++k;
  }
  // Whole words inside `from` go without bounds checks.
  size_t inside = from.size() & ~size_t{1};
  size_t words =
      std::min((out.size() - o) / 2, k < inside ? (inside - k) / 2 : 0);
  for (size_t w = 0; w < words; ++w, o += 2, k += 2) {
    out[o] = from[k + 1];
    out[o + 1] = from[k];
  }
  for (; o < out.size(); ++o, ++k) {
    out[o] = at(k ^ 1);
  }
}

}  // namespace

void heber_video_join(std::span<const uint8_t> e1, std::span<const uint8_t> e2,
                      uint64_t first, std::span<uint8_t> out) {
  size_t n = e1.size();
  auto j = static_cast<size_t>(first);
  size_t lower = j < n ? std::min(out.size(), n - j) : 0;
  swap_words(e2, j, out.first(lower));
  if (lower < out.size()) {
    swap_words(e1, j + lower - n, out.subspan(lower));
  }
}

void heber_video_split(std::span<const uint8_t> image, int lane, uint64_t first,
                       std::span<uint8_t> out) {
  size_t base = lane == 0 ? image.size() / 2 : 0;
  swap_words(image.subspan(base), static_cast<size_t>(first), out);
}

}  // namespace bintool
