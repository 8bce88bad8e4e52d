// The exact text of hits, difference lines, view rows, listings and the
// checksum report.
#include "inspect/text_format.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace bintool {
namespace {

using test::as_span;
using test::hex;
using test::ramp;

TEST(TextFormat, HitEntriesAndDifferenceLines) {
  std::string out;
  append_hit_entry(out, 3, 0x2F);
  EXPECT_EQ(out, "0003-00002F     ");
  out.clear();
  append_hit_entry(out, 10000, 0x1234567);
  EXPECT_EQ(out, "10000-1234567     ");
  out.clear();
  append_diff_line(out, 0x2F, 0x12, 0xFE);
  append_diff_line(out, 0x10000000, 0x7F, 0x80);
  EXPECT_EQ(out, "00002F - 12 <> FE\n10000000 - 7F <> 80\n");
}

TEST(TextFormat, ViewRows) {
  // The byte 0x7F shows as itself; cells past the file are blank.
  std::string out;
  append_view_offset(out, 0x10);
  append_view_cells(out, as_span(hex("00 41 80 FF 20 7E 2E 09 "
                                     "61 62 63 31 32 33 34 35")));
  EXPECT_EQ(out,
            "00010: 00 41 80 FF 20 7E 2E 09 61 62 63 31 32 33 34 35   "
            ".A.. ~..abc12345\n");
  out.clear();
  append_view_offset(out, 0x100000);
  append_view_cells(out, as_span(hex("7F 1F")));
  EXPECT_EQ(out, "100000: 7F 1F " + std::string(14 * 3, ' ') + "  \x7F." +
                     std::string(14, ' ') + "\n");
}

TEST(TextFormat, ListingLinesEndInCrLfAfterEveryEighthItem) {
  std::string out;
  append_listing(out, as_span(hex("01 02 FF")), 1);
  EXPECT_EQ(out, ">01,>02,>FF,");
  out.clear();
  append_listing(out, as_span(ramp(10)), 1);
  EXPECT_EQ(out, ">00,>01,>02,>03,>04,>05,>06,>07\r\n>08,>09,");
}

TEST(TextFormat, ListingIsTheSameWhateverTheBlocks) {
  std::string bytes = ramp(300);
  std::string whole;
  append_listing(whole, as_span(bytes), 1);
  for (size_t cut : {1u, 3u, 7u, 8u, 9u, 64u, 299u}) {
    SCOPED_TRACE(cut);
    std::string pieces;
    for (size_t start = 0; start < bytes.size(); start += cut) {
      append_listing(
          pieces,
          as_span(bytes).subspan(start, std::min(cut, bytes.size() - start)),
          start + 1);
    }
    EXPECT_EQ(pieces, whole);
  }
}

TEST(TextFormat, ChecksumReports) {
  // Bytes count as signed; the sum wraps at 32 bits.
  struct Case {
    std::string bytes;
    const char* report;
  };
  const Case kCases[] = {
      {hex("01 02 FF"),
       "Length=3H (3 DEC)\nChecksum=       2 (2)-Checksum=0002"},
      {"", "Length=0H (0 DEC)\nChecksum=       0 (0)-Checksum=0000"},
      {hex("80"),
       "Length=1H (1 DEC)\nChecksum=FFFFFF80 (FFFFFF80)-Checksum=FF80"},
      {ramp(256),
       "Length=100H (256 DEC)\nChecksum=FFFFFF80 (FFFFFF80)-Checksum=FF80"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.report);
    EXPECT_EQ(
        checksum_report(c.bytes.size(), add_signed_bytes(0, as_span(c.bytes))),
        c.report);
  }
  // 0x1000001 bytes of 0x80 wrap to 0x7FFFFF80.
  std::string many(0x1000001, '\x80');
  EXPECT_EQ(add_signed_bytes(0, as_span(many)), 0x7FFFFF80u);
  EXPECT_EQ(checksum_report(0x1F400, 0).substr(0, 23),
            "Length=1F400H (128000 D");
}

}  // namespace
}  // namespace bintool
