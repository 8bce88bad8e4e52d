// The byte ranges that R, I and U work on.
#include "assemble/ranges.h"

#include <algorithm>

#include "app/hex_arg.h"
#include "io/block_copy.h"

namespace bintool {

uint64_t piece_read_length(int64_t length, int pieces) {
  return std::max<uint64_t>(
      static_cast<uint64_t>(length) / static_cast<uint64_t>(pieces), 1);
}

ExtractRange extract_range(int argc, char* argv[]) {
  ExtractRange range{0, kToEnd};
  if (argc >= 5) {
    range.address = parse_hex(argv[4]);
  }
  if (argc == 6) {
    // A length of 0, or one with the top bit set (negative as a signed
    // 32-bit count), means "to the end".
    uint32_t value = parse_hex(argv[5]);
    if (value != 0 && value < 0x80000000u) {
      range.limit = value;
    }
  }
  return range;
}

uint64_t insert_address(int argc, char* argv[]) {
  return argc == 5 ? parse_hex(argv[4]) : 0;
}

}  // namespace bintool
