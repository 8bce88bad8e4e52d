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
// that half on: the words (E1[2t + half], E2[2t + half]) one after another.
void fill_words(std::span<const uint8_t> e1, std::span<const uint8_t> e2,
                size_t half, size_t r, std::span<uint8_t> out) {
  size_t k = 0;
  if (r % 2 != 0 && k < out.size()) {
    out[k++] = e2[r - 1 + half];
    ++r;
  }
  size_t words = (out.size() - k) / 2;
  const uint8_t* first = e1.data() + r + half;
  const uint8_t* second = e2.data() + r + half;
  uint8_t* to = out.data() + k;
  for (size_t w = 0; w < words; ++w) {
    to[2 * w] = first[2 * w];
    to[2 * w + 1] = second[2 * w];
  }
  k += 2 * words;
  r += 2 * words;
  if (k < out.size()) {
    out[k] = e1[r + half];
  }
}

// Where byte j of the middle-quarter exchange comes from, and how far that
// shift holds: quarters of `quarter` bytes, the second and third exchanged.
struct Shift {
  int64_t by;
  size_t until;  // first j with another shift
};

Shift exchange_shift(size_t j, size_t quarter) {
  if (quarter == 0 || j >= 3 * quarter) {
    return {0, SIZE_MAX};
  }
  if (j < quarter) {
    return {0, quarter};
  }
  if (j < 2 * quarter) {
    return {static_cast<int64_t>(quarter), 2 * quarter};
  }
  return {-static_cast<int64_t>(quarter), 3 * quarter};
}

// How many positions from, from + 2, from + 4, ... lie below `until`.
size_t pairs_before(size_t until, size_t from) {
  return until == SIZE_MAX ? SIZE_MAX : (until - from + 1) / 2;
}

}  // namespace

void heber_program_join(std::span<const uint8_t> e1,
                        std::span<const uint8_t> e2, uint64_t first,
                        std::span<uint8_t> out) {
  size_t n = e1.size();
  size_t quarter = n / 2;
  size_t j = static_cast<size_t>(first);
  for (size_t k = 0; k < out.size();) {
    Shift shift = exchange_shift(j, quarter);
    size_t count = std::min(out.size() - k, shift.until - j);
    size_t p = j + static_cast<size_t>(shift.by);
    size_t half = p >= n ? 1 : 0;
    fill_words(e1, e2, half, p - half * n, out.subspan(k, count));
    j += count;
    k += count;
  }
}

void heber_program_split(std::span<const uint8_t> image, int lane,
                         uint64_t first, std::span<uint8_t> out) {
  size_t h = image.size() / 2;
  size_t quarter = image.size() / 4;
  auto side = static_cast<size_t>(lane);
  size_t k = static_cast<size_t>(first);
  size_t end = k + out.size();
  uint8_t* to = out.data();
  // Even k reads B[k + lane] and odd k reads B[h + k - 1 + lane]; both climb
  // by 2 for each pair, so a run of pairs keeps both shifts.
  while (k < end) {
    size_t pair = k & ~size_t{1};
    size_t from_even = pair + side;
    size_t from_odd = h + pair + side;
    Shift even = exchange_shift(from_even, quarter);
    Shift odd = exchange_shift(from_odd, quarter);
    size_t pairs = std::min(pairs_before(even.until, from_even),
                            pairs_before(odd.until, from_odd));
    size_t run_end = pairs >= (end - pair + 1) / 2 ? end : pair + 2 * pairs;
    const uint8_t* even_at = image.data() + from_even + even.by - pair;
    const uint8_t* odd_at = image.data() + from_odd + odd.by - pair - 1;
    if (k % 2 != 0 && k < run_end) {
      *to++ = odd_at[k++];
    }
    for (; k + 1 < run_end; k += 2) {
      *to++ = even_at[k];
      *to++ = odd_at[k + 1];
    }
    if (k < run_end) {
      *to++ = even_at[k++];
    }
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
