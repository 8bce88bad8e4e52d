// The byte ranges that R, I and U work on.
#include "assemble/ranges.h"

#include "app/hex_arg.h"

namespace bintool {

uint64_t piece_read_length(int64_t length, int pieces) {
  if (length <= 0 || pieces <= 0) {
    return 1;
  }
  uint64_t piece =
      static_cast<uint64_t>(length) / static_cast<uint64_t>(pieces);
  return piece == 0 ? 1 : piece;
}

ExtractRange extract_range(int argc, const char* address, const char* length) {
  ExtractRange range;
  range.limit = UINT64_MAX;
  if (argc >= 5) {
    range.address = parse_hex(address);
  }
  if (argc == 6) {
    // A length of 0, or one with the top bit set (negative as a signed
    // 32-bit count), means "to the end".
    uint32_t value = parse_hex(length);
    if (value != 0 && value < 0x80000000u) {
      range.limit = value;
    }
  }
  return range;
}

uint64_t insert_address(int argc, const char* address) {
  return argc == 5 ? parse_hex(address) : 0;
}

}  // namespace bintool
