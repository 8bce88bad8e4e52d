// Byte-lane layouts: 16-bit images and their 8-bit lanes, and the one-EPROM
// layouts of HEBER program and video boards.
#include "lanes/lane_layout.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

void deinterleave_lanes(std::span<const uint8_t> image, std::span<uint8_t> even,
                        std::span<uint8_t> odd) {
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

// Eight bytes at a time where the machine is little-endian: the byte at
// offset k of a word is bits 8k to 8k + 7, so the even bytes of a word are
// the bits under kEvenBytes.
constexpr bool kWordWide = std::endian::native == std::endian::little;
constexpr uint64_t kEvenBytes = 0x00FF00FF00FF00FFu;

uint64_t load_word(const uint8_t* from) {
  uint64_t word;
  std::memcpy(&word, from, sizeof word);
  return word;
}

void store_word(uint8_t* to, uint64_t word) {
  std::memcpy(to, &word, sizeof word);
}

// Bytes S[phase], S[phase + 1], ... of S = a[0] b[0] a[2] b[2] a[4] b[4] ...:
// the even bytes of two stretches, taken in turn. Both program layouts are
// this, over different stretches. `a` and `b` hold phase + out.size() bytes.
void alternate_even_bytes(const uint8_t* a, const uint8_t* b, size_t phase,
                          std::span<uint8_t> out) {
  std::span<uint8_t> to = out;
  if (phase == 1 && !to.empty()) {
    to[0] = b[0];
    to = to.subspan(1);
    a += 2;
    b += 2;
  }
  size_t k = 0;
  if constexpr (kWordWide) {
    for (; k + 8 <= to.size(); k += 8) {
      store_word(to.subspan(k, 8).data(), (load_word(a + k) & kEvenBytes) |
                                              (load_word(b + k) & kEvenBytes)
                                                  << 8);
    }
  }
  for (; k + 1 < to.size(); k += 2) {
    to[k] = a[k];
    to[k + 1] = b[k];
  }
  if (k < to.size()) {
    to[k] = a[k];
  }
}

// Bytes [phase, phase + out.size()) of `from` with the two bytes of every
// word exchanged: out[x] = from[(phase + x) ^ 1]. `from` holds
// phase + out.size() bytes rounded up to a whole word.
void swap_word_bytes(const uint8_t* from, size_t phase,
                     std::span<uint8_t> out) {
  std::span<uint8_t> to = out;
  if (phase == 1 && !to.empty()) {
    to[0] = from[0];
    to = to.subspan(1);
    from += 2;
  }
  size_t k = 0;
  if constexpr (kWordWide) {
    for (; k + 8 <= to.size(); k += 8) {
      uint64_t word = load_word(from + k);
      store_word(to.subspan(k, 8).data(),
                 (word & kEvenBytes) << 8 | (word >> 8 & kEvenBytes));
    }
  }
  for (; k + 1 < to.size(); k += 2) {
    to[k] = from[k + 1];
    to[k + 1] = from[k];
  }
  if (k < to.size()) {
    to[k] = from[k + 1];
  }
}

// The middle-quarter exchange of the program board, quarters of `quarter`
// bytes (the rest past four quarters stays): byte j comes from byte `from`,
// and so does every later byte, one for one, up to `until`. The exchange is
// its own inverse.
struct QuarterRun {
  uint64_t from;
  uint64_t until;
};

QuarterRun exchanged(uint64_t j, uint64_t quarter) {
  if (j < quarter) {
    return {j, quarter};
  }
  if (j < 2 * quarter) {
    return {j + quarter, 2 * quarter};
  }
  if (j < 3 * quarter) {
    return {j - quarter, 3 * quarter};
  }
  return {j, UINT64_MAX};
}

// Bytes [at, at + into.size()) of the image with its middle quarters
// exchanged.
bool fetch_exchanged(const Fetch& image, uint64_t quarter, uint64_t at,
                     std::span<uint8_t> into) {
  for (size_t o = 0; o < into.size();) {
    QuarterRun run = exchanged(at + o, quarter);
    auto count = static_cast<size_t>(
        std::min<uint64_t>(into.size() - o, run.until - (at + o)));
    if (!image(run.from, into.subspan(o, count))) {
      return false;
    }
    o += count;
  }
  return true;
}

size_t whole_words(size_t bytes) { return bytes + bytes % 2; }

}  // namespace

Fetch fetch_from(std::span<const uint8_t> bytes) {
  return [bytes](uint64_t at, std::span<uint8_t> into) {
    for (size_t i = 0; i < into.size(); ++i) {
      into[i] = at + i < bytes.size() ? bytes[at + i] : uint8_t{0xFF};
    }
    return true;
  };
}

bool heber_program_join(const Fetch& e1, const Fetch& e2, uint64_t n,
                        uint64_t first, std::span<uint8_t> out,
                        Scratch scratch) {
  // Quarters are n / 2 bytes, so none straddles the two halves of W. In the
  // first half W[r] is E1[r] for even r and E2[r - 1] for odd r; in the
  // second, W[n + r] is E1[r + 1] and E2[r].
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    QuarterRun run = exchanged(j, n / 2);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(out.size() - o, run.until - j));
    uint64_t half = run.from >= n ? 1 : 0;
    uint64_t r = run.from - half * n;
    size_t phase = r % 2;
    uint64_t at = r - phase + half;
    auto a = scratch.a.first(phase + count);
    auto b = scratch.b.first(phase + count);
    if (!e1(at, a) || !e2(at, b)) {
      return false;
    }
    alternate_even_bytes(a.data(), b.data(), phase, out.subspan(o, count));
    o += count;
  }
  return true;
}

void heber_program_words(std::span<const uint8_t> e1,
                         std::span<const uint8_t> e2,
                         std::span<uint8_t> even_words,
                         std::span<uint8_t> odd_words) {
  alternate_even_bytes(e1.data(), e2.data(), 0, even_words);
  alternate_even_bytes(e1.data() + 1, e2.data() + 1, 0, odd_words);
}

bool place_program_words(
    uint64_t w, std::span<const uint8_t> bytes, uint64_t n,
    const std::function<bool(uint64_t, std::span<const uint8_t>)>& put) {
  while (!bytes.empty()) {
    QuarterRun run = exchanged(w, n / 2);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(bytes.size(), run.until - w));
    if (!put(run.from, bytes.first(count))) {
      return false;
    }
    w += count;
    bytes = bytes.subspan(count);
  }
  return true;
}

bool heber_program_split(const Fetch& image, uint64_t length, uint64_t first,
                         std::span<uint8_t> e1, std::span<uint8_t> e2,
                         Scratch scratch) {
  // Byte pairs from an even k: B[k + lane], then B[h + k + lane]. Both
  // EPROMs take theirs from the same two stretches of B, one byte apart.
  size_t phase = first % 2;
  uint64_t at = first - phase;
  auto a = scratch.a.first(phase + e1.size() + 1);
  auto b = scratch.b.first(phase + e1.size() + 1);
  if (!fetch_exchanged(image, length / 4, at, a) ||
      !fetch_exchanged(image, length / 4, length / 2 + at, b)) {
    return false;
  }
  alternate_even_bytes(a.data(), b.data(), phase, e1);
  alternate_even_bytes(a.data() + 1, b.data() + 1, phase, e2);
  return true;
}

bool heber_video_join(const Fetch& e1, const Fetch& e2, uint64_t n,
                      uint64_t first, std::span<uint8_t> out, Scratch scratch) {
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    bool lower = j < n;
    uint64_t i = lower ? j : j - n;
    auto count = static_cast<size_t>(std::min<uint64_t>(out.size() - o, n - i));
    size_t phase = i % 2;
    auto from = scratch.a.first(whole_words(phase + count));
    if (!(lower ? e2 : e1)(i - phase, from)) {
      return false;
    }
    swap_word_bytes(from.data(), phase, out.subspan(o, count));
    o += count;
  }
  return true;
}

bool heber_video_split(const Fetch& image, uint64_t length, uint64_t first,
                       std::span<uint8_t> e1, std::span<uint8_t> e2,
                       Scratch scratch) {
  size_t phase = first % 2;
  auto upper = scratch.a.first(whole_words(phase + e1.size()));
  auto lower = scratch.b.first(upper.size());
  if (!image(length / 2 + first - phase, upper) ||
      !image(first - phase, lower)) {
    return false;
  }
  swap_word_bytes(upper.data(), phase, e1);
  swap_word_bytes(lower.data(), phase, e2);
  return true;
}

}  // namespace bintool
