// Byte-lane layouts of 16-bit images and HEBER boards.
#include "lanes/lane_layout.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace bintool {
namespace {

// Eight bytes at a time where the machine is little-endian: the byte at
// offset k of a word is bits 8k to 8k + 7, so the even bytes of a word are
// the bits under kEvenBytes.
constexpr bool kWordWide = std::endian::native == std::endian::little;
constexpr uint64_t kEvenBytes = 0x00FF00FF00FF00FFu;

// Through subspan, so that a test build checks every word's bounds.
uint64_t load_word(std::span<const uint8_t> from, size_t at) {
  uint64_t word;
  std::memcpy(&word, from.subspan(at, sizeof word).data(), sizeof word);
  return word;
}

void store_word(std::span<uint8_t> to, size_t at, uint64_t word) {
  std::memcpy(to.subspan(at, sizeof word).data(), &word, sizeof word);
}

}  // namespace

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

void alternate_even_bytes(std::span<const uint8_t> a,
                          std::span<const uint8_t> b, std::span<uint8_t> out) {
  size_t k = 0;
  if constexpr (kWordWide) {
    for (; k + 8 <= out.size(); k += 8) {
      store_word(out, k,
                 (load_word(a, k) & kEvenBytes) | (load_word(b, k) & kEvenBytes)
                                                      << 8);
    }
  }
  for (; k < out.size(); ++k) {
    out[k] = k % 2 == 0 ? a[k] : b[k - 1];
  }
}

void swap_word_bytes(std::span<const uint8_t> from, std::span<uint8_t> out) {
  size_t k = 0;
  if constexpr (kWordWide) {
    for (; k + 8 <= out.size(); k += 8) {
      uint64_t word = load_word(from, k);
      store_word(out, k, (word & kEvenBytes) << 8 | (word >> 8 & kEvenBytes));
    }
  }
  for (; k < out.size(); ++k) {
    out[k] = from[k ^ 1];
  }
}

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

}  // namespace bintool
