// Text built block by block: the same bytes whatever the blocks, and sums
// that wrap at 32 bits.
#include "inspect/text_format.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace bintool {
namespace {

using test::as_span;
using test::ramp;

TEST(TextFormat, ListingIsTheSameWhateverTheBlocks) {
  std::string bytes = ramp(300);
  std::string whole;
  append_listing(whole, as_span(bytes), 1);
  ASSERT_EQ(whole.substr(0, 41), ">00,>01,>02,>03,>04,>05,>06,>07\r\n>08,>09,");
  for (size_t cut : {1u, 3u, 7u, 8u, 9u, 64u, 299u}) {
    SCOPED_TRACE(cut);
    std::string pieces;
    for (size_t at = 0; at < bytes.size(); at += cut) {
      size_t size = std::min(cut, bytes.size() - at);
      append_listing(pieces, as_span(bytes).subspan(at, size), at + 1);
    }
    EXPECT_EQ(pieces, whole);
  }
}

TEST(TextFormat, SignedSumsWrapAt32Bits) {
  // 0x1000001 bytes of 0x80 add -128 each: 0x7FFFFF80 after the wrap.
  std::string many(0x1000001, '\x80');
  uint32_t sum = add_signed_bytes(0, as_span(many));
  EXPECT_EQ(sum, 0x7FFFFF80u);
  EXPECT_EQ(checksum_report(many.size(), sum),
            "Length=1000001H (16777217 DEC)\n"
            "Checksum=7FFFFF80 (7FFFFF80)-Checksum=FF80");
  EXPECT_EQ(add_signed_bytes(5, as_span(ramp(256))), 5u - 128u);
}

}  // namespace
}  // namespace bintool
