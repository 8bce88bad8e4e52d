// Byte-lane layouts of 16-bit images and HEBER boards.
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
  for (; k + 1 < out.size(); k += 2) {
    out[k] = a[k];
    out[k + 1] = b[k];
  }
  if (k < out.size()) {
    out[k] = a[k];
  }
}

void swap_word_bytes(std::span<const uint8_t> from, std::span<uint8_t> out) {
  size_t k = 0;
  for (; k + 1 < out.size(); k += 2) {
    out[k] = from[k + 1];
    out[k + 1] = from[k];
  }
  if (k < out.size()) {
    out[k] = from[k + 1];
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
