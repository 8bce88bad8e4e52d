// Byte strings for tests: hex literals, ramps and seeded random data.
#ifndef BINTOOL_TESTS_SUPPORT_BYTES_H_
#define BINTOOL_TESTS_SUPPORT_BYTES_H_

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace bintool::test {

/// "A0 b1 0c" -> the bytes A0 B1 0C. Blanks separate; anything else must be
/// a pair of hex digits.
inline std::string hex(std::string_view text) {
  std::string bytes;
  int high = -1;
  for (char c : text) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (digit < 0) {
      continue;
    }
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<char>(high * 16 + digit));
      high = -1;
    }
  }
  return bytes;
}

/// n bytes 00 01 02 ... wrapping at 256, plus `start`.
inline std::string ramp(size_t n, int start = 0) {
  std::string bytes(n, '\0');
  for (size_t i = 0; i < n; ++i) {
    bytes[i] = static_cast<char>((i + static_cast<size_t>(start)) & 0xFF);
  }
  return bytes;
}

/// n bytes from a generator seeded with `seed`: the same for the same seed.
inline std::string random_bytes(size_t n, uint32_t seed) {
  std::mt19937 generator(seed);
  std::string bytes(n, '\0');
  for (auto& b : bytes) {
    b = static_cast<char>(generator() & 0xFF);
  }
  return bytes;
}

inline std::span<const uint8_t> as_span(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

inline std::span<uint8_t> as_span(std::string& bytes) {
  return {reinterpret_cast<uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace bintool::test

#endif  // BINTOOL_TESTS_SUPPORT_BYTES_H_
