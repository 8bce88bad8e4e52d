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

void heber_program_join(std::span<const uint8_t> e1,
                        std::span<const uint8_t> e2, std::span<uint8_t> image) {
  size_t n = e1.size();
  for (size_t i = 0; i + 1 < n; i += 2) {
    image[i] = e1[i];
    image[i + 1] = e2[i];
    image[n + i] = e1[i + 1];
    image[n + i + 1] = e2[i + 1];
  }
  size_t q = n / 2;
  std::swap_ranges(image.begin() + q, image.begin() + 2 * q,
                   image.begin() + 2 * q);
}

void heber_program_split(std::span<uint8_t> image, std::span<uint8_t> e1,
                         std::span<uint8_t> e2) {
  size_t h = image.size() / 2;
  size_t q = image.size() / 4;
  std::swap_ranges(image.begin() + q, image.begin() + 2 * q,
                   image.begin() + 2 * q);
  for (size_t k = 0; k < h; k += 2) {
    e1[k] = image[k];
    e2[k] = image[k + 1];
    if (k + 1 < h) {
      e1[k + 1] = image[h + k];
      e2[k + 1] = image[h + k + 1];
    }
  }
}

void heber_video_join(std::span<const uint8_t> e1, std::span<const uint8_t> e2,
                      std::span<uint8_t> image) {
  size_t n = e1.size();
  for (size_t i = 0; i + 1 < n; i += 2) {
    image[i] = e2[i + 1];
    image[i + 1] = e2[i];
    image[n + i] = e1[i + 1];
    image[n + i + 1] = e1[i];
  }
}

void heber_video_split(std::span<const uint8_t> image, std::span<uint8_t> e1,
                       std::span<uint8_t> e2) {
  size_t length = image.size();
  size_t h = length / 2;
  for (size_t k = 0; k < h; k += 2) {
    e1[k] = h + k + 1 < length ? image[h + k + 1] : uint8_t{0xFF};
    e2[k] = image[k + 1];
    if (k + 1 < h) {
      e1[k + 1] = image[h + k];
      e2[k + 1] = image[k];
    }
  }
}

}  // namespace bintool
