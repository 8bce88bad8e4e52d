// K, P and H: exact report, view and listing bytes.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

struct Case {
  const char* name;
  std::string file;
  std::vector<std::string> args;  // after the letter and the file name
  std::string out;
};

void run_cases(const char* letter, std::span<const Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Sandbox box;
    box.write("f", c.file);
    std::vector<std::string> args = {letter, "f"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    RunResult r = box.run(args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(box.files().size(), 1u);
  }
}

TEST(Checksum, Reports) {
  const Case kCases[] = {
      {"three bytes",
       hex("01 02 FF"),
       {},
       "Length=3H (3 DEC)\nChecksum=       2 (2)-Checksum=0002"},
      {"empty",
       "",
       {"extra", "args"},
       "Length=0H (0 DEC)\nChecksum=       0 (0)-Checksum=0000"},
      {"one negative byte",
       hex("80"),
       {},
       "Length=1H (1 DEC)\nChecksum=FFFFFF80 (FFFFFF80)-Checksum=FF80"},
      {"across the 32 KiB boundary",
       std::string(32769, '\xFF'),
       {},
       "Length=8001H (32769 DEC)\nChecksum=FFFF7FFF (FFFF7FFF)-Checksum=7FFF"},
      {"across several blocks",
       std::string(0x280001, '\x01'),
       {},
       "Length=280001H (2621441 DEC)\nChecksum=  280001 "
       "(280001)-Checksum=0001"},
  };
  run_cases("K", kCases);
  Sandbox box;
  EXPECT_EQ(box.run({"K", "missing"}).out, "Can't open file\n");
}

const std::string kWarning = "UPOZORENJE: fajl je kraci od adrese + prikaz)\n";
const std::string kNoBuffer = "error: BACI RACUNAR KROZ PROZOR !!!!!\n";
const std::string kBlankRow = std::string(16 * 3 + 2 + 16, ' ') + "\n";

TEST(HexView, RowsCutsAndRefusals) {
  std::string file = ramp(0x10) +
                     hex("00 41 80 FF 20 7E 2E 09 61 62 63 31 32 33 34 35") +
                     hex("7F 01 02 03 04");
  const std::string kRow10 =
      "00010: 00 41 80 FF 20 7E 2E 09 61 62 63 31 32 33 34 35   .A.. "
      "~..abc12345\n";
  const std::string kRow20 = "00020: 7F 01 02 03 04 " +
                             std::string(11 * 3, ' ') +
                             "  \x7F....           \n";
  const std::string kRow0 =
      "00000: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F   "
      "................\n";
  const Case kCases[] = {
      {"one row from 0 by default", file, {}, kRow0},
      {"the worked example", file, {"10"}, kRow10},
      {"10 rows is decimal: cut to the row holding the end",
       file,
       {"0", "10"},
       kWarning + kRow0 + kRow10 + kRow20},
      {"0x10 rows is 0 rows: the offset column alone",
       file,
       {"10", "0x10"},
       "00010: "},
      {"start at the end: one blank row",
       file,
       {"25"},
       kWarning + "00025: " + kBlankRow},
      {"16 beyond the end: no row", file, {"35"}, kWarning + "00035: "},
      {"32 beyond the end: refused", file, {"45"}, kWarning + kNoBuffer},
      {"far beyond the end: refused", file, {"FFFFFFF0"}, kWarning + kNoBuffer},
      {"negative row count: refused without the warning",
       file,
       {"0", "-1"},
       kNoBuffer},
      {"too many rows: refused", file, {"0", "134217728"}, kNoBuffer},
      {"a whole multiple of 16 still ends with the end-of-file row",
       ramp(0x20),
       {"0", "4"},
       kWarning + kRow0 +
           "00010: 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F   "
           "................\n" +
           "00020: " + kBlankRow},
  };
  run_cases("P", kCases);
  Sandbox box;
  EXPECT_EQ(box.run({"P", "missing"}).out, "Can't open file\n");
}

TEST(HexView, OffsetsWidenFrom0x100000) {
  Sandbox box;
  box.write("f", std::string(0x100020, 'A'));
  std::string row =
      "41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41   "
      "AAAAAAAAAAAAAAAA\n";
  EXPECT_EQ(box.run({"P", "f", "FFFF0", "3"}).out,
            "FFFF0: " + row + "100000: " + row + "100010: " + row);
}

TEST(HexListing, Listings) {
  const Case kCases[] = {
      {"three bytes, no line end", hex("01 02 FF"), {}, ">01,>02,>FF,"},
      {"eight bytes end in CR LF",
       ramp(8),
       {},
       ">00,>01,>02,>03,>04,>05,>06,>07\r\n"},
      {"nine bytes", ramp(9), {}, ">00,>01,>02,>03,>04,>05,>06,>07\r\n>08,"},
      {"upper-case digits", hex("AB CD EF"), {}, ">AB,>CD,>EF,"},
      {"empty file", "", {}, ""},
  };
  run_cases("H", kCases);
  Sandbox box;
  EXPECT_EQ(box.run({"H", "missing"}).out,
            "Can't open file\nCan't open file\n");
}

TEST(HexListing, LargeFilesKeepTheirLineEnds) {
  // Every LF follows exactly one CR and every CR is followed by an LF.
  std::string data = random_bytes((1u << 20) + 13, 17);
  Sandbox box;
  box.write("f", data);
  std::string out = box.run({"H", "f"}).out;
  ASSERT_EQ(out.size(), data.size() * 4 + data.size() / 8);
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] == '\n') {
      ASSERT_TRUE(i > 0 && out[i - 1] == '\r' && (i < 2 || out[i - 2] != '\r'))
          << i;
    } else if (out[i] == '\r') {
      ASSERT_TRUE(i + 1 < out.size() && out[i + 1] == '\n') << i;
    }
  }
  char item[8];
  for (size_t p = 0; p < data.size(); p += 997) {
    std::snprintf(item, sizeof item, ">%02X", static_cast<uint8_t>(data[p]));
    ASSERT_EQ(out.substr(p * 4 + p / 8, 3), item) << p;
  }
}

}  // namespace
}  // namespace bintool::test
