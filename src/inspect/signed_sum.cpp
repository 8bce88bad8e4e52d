// K's checksum: the sum of a file's bytes read as signed values.
#include "inspect/signed_sum.h"

#include <algorithm>

namespace bintool {

uint32_t add_signed_bytes(uint32_t sum, std::span<const uint8_t> bytes) {
  // Rows of 32 bytes summed into 16-bit lanes, up to 256 rows at a time (at
  // most 256 * 128 in magnitude, so no lane overflows): a loop the compiler
  // turns into wide vector adds. The last bytes of no whole row go one by
  // one.
  constexpr size_t kLanes = 32;
  constexpr size_t kMostRows = 256;
  const uint8_t* p = bytes.data();
  size_t left = bytes.size();
  int64_t total = 0;
  while (left >= kLanes) {
    size_t rows = std::min(left / kLanes, kMostRows);
    int16_t lanes[kLanes] = {};
    for (size_t row = 0; row < rows; ++row) {
      for (size_t lane = 0; lane < kLanes; ++lane) {
        lanes[lane] = static_cast<int16_t>(
            lanes[lane] + static_cast<int8_t>(p[row * kLanes + lane]));
      }
    }
    for (int16_t lane : lanes) {
      total += lane;
    }
    p += rows * kLanes;
    left -= rows * kLanes;
  }
  for (size_t i = 0; i < left; ++i) {
    total += static_cast<int8_t>(p[i]);
  }
  return sum + static_cast<uint32_t>(total);
}

}  // namespace bintool
