// T and C: hit lists and difference lines, with their paging.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

const std::string kPrompt = "Pritisni bilo sta za nastavak, ESC - prekid ...";

std::string entry(int number, const char* offset) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%s     ", number, offset);
  return text;
}

TEST(Search, HitListsAndMessages) {
  // Each case: file contents, the tokens, the exact output.
  struct Case {
    const char* name;
    std::string file;
    std::vector<std::string> tokens;
    std::string out;
  };
  const Case kCases[] = {
      {"the usage example",
       "xx" + std::string("Mi a\x0F\x55?A\x0B"),
       {"'Mi", "a'", "f", "?", "3f", "'A'", "0B"},
       entry(1, "000002") + "\n"},
      {"no occurrence", "abc", {"'x'"}, "\n"},
      {"empty file", "", {"41"}, "\n"},
      {"file shorter than the pattern", "ab", {"'abc'"}, "\n"},
      {"unclosed literal", "abc", {"'ab"}, "error: missing closing quote\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Sandbox box;
    box.write("f", c.file);
    std::vector<std::string> args = {"T", "f"};
    args.insert(args.end(), c.tokens.begin(), c.tokens.end());
    RunResult r = box.run(args);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
  }
  Sandbox box;
  EXPECT_EQ(box.run({"T", "missing", "'open"}).out, "Can't open file\n");
  EXPECT_EQ(box.run({"T", ".", "41"}).out, "Can't open file\n");
}

// What T prints for these hit offsets, with the prompt after every 120th
// and a key other than ESC.
std::string listing(const std::vector<size_t>& offsets) {
  std::string out;
  char text[64];
  for (size_t i = 0; i < offsets.size(); ++i) {
    std::snprintf(text, sizeof text, "%04zu-%06zX     ", i + 1, offsets[i]);
    out += text;
    if ((i + 1) % 120 == 0) {
      out += kPrompt + "\n";
    }
  }
  return out + "\n";
}

TEST(Search, LargeFilesAgreeWithBruteForce) {
  // 3 MiB over a small alphabet: hits across every block boundary.
  std::string data = random_bytes((3u << 20) + 7, 11);
  for (char& c : data) {
    c = static_cast<char>(0x40 + static_cast<uint8_t>(c) % 16);
  }
  data.replace((1u << 20) - 1, 3, "JKL");
  std::vector<size_t> expected;
  for (size_t k = 0; k + 3 <= data.size(); ++k) {
    if (data[k] == 'J' && data[k + 2] == 'L') {
      expected.push_back(k);
    }
  }
  Sandbox box;
  box.write("f", data);
  RunResult r = box.run({"T", "f", "4A", "?", "'L'"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out == listing(expected)) << r.out.substr(0, 200);
}

TEST(Search, PagesOf120HitsAndEsc) {
  Sandbox box;
  box.write("120", std::string(120, 'A'));
  box.write("121", std::string(121, 'A'));
  std::string page;
  for (int i = 1; i <= 120; ++i) {
    char offset[16];
    std::snprintf(offset, sizeof offset, "%06X", i - 1);
    page += entry(i, offset);
  }
  EXPECT_EQ(box.run({"T", "120", "41"}, "x").out, page + kPrompt + "\n\n");
  EXPECT_EQ(box.run({"T", "120", "41"}, "\x1b").out, page + kPrompt + "\n");
  RunResult esc = box.run({"T", "121", "41"}, "\x1b");
  EXPECT_EQ(esc.out, page + kPrompt + "\n");
  EXPECT_EQ(esc.status, 0);
  // Without a keyboard every page goes on.
  EXPECT_EQ(box.run({"T", "121", "41"}).out,
            page + kPrompt + "\n" + entry(121, "000078") + "\n");
}

TEST(Search, HitTenThousandIsSeventeenWide) {
  Sandbox box;
  box.write("f", std::string(10000, 'A'));
  RunResult r = box.run({"T", "f", "41"});
  EXPECT_TRUE(r.out.ends_with("9999-00270E     10000-00270F     \n"));
}

TEST(Compare, DifferenceLinesAndMessages) {
  struct Case {
    const char* name;
    std::string first;
    std::string second;
    std::string out;
  };
  const Case kCases[] = {
      {"identical", "abc", "abc", ""},
      {"empty", "", "", ""},
      {"unsigned bytes", hex("00 7F 12"), hex("00 80 FE"),
       "000001 - 7F <> 80\n000002 - 12 <> FE\n"},
      {"lengths differ: no line end, nothing compared", "abc", "xyzw",
       "error: Fajlovi 'a' i 'b' nisu iste duzine"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Sandbox box;
    box.write("a", c.first);
    box.write("b", c.second);
    RunResult r = box.run({"C", "a", "b", "ignored"});
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, 0);
  }
  Sandbox box;
  box.write("a", "abc");
  EXPECT_EQ(box.run({"C", "missing", "a"}).out, "Can't open file\n");
  EXPECT_EQ(box.run({"C", "a", "missing"}).out, "Can't open file\n");
}

TEST(Compare, OffsetsRunOnAcrossBlocks) {
  std::string first = random_bytes((2u << 20) + 3, 5);
  std::string second = first;
  const size_t kAt[] = {0x8000, 0x7FFFF, 0x80000, 0x100000, first.size() - 1};
  std::string expected;
  char line[64];
  for (size_t at : kAt) {
    second[at] = static_cast<char>(~second[at]);
    std::snprintf(line, sizeof line, "%06zX - %02X <> %02X\n", at,
                  static_cast<uint8_t>(first[at]),
                  static_cast<uint8_t>(second[at]));
    expected += line;
  }
  Sandbox box;
  box.write("a", first);
  box.write("b", second);
  EXPECT_EQ(box.run({"C", "a", "b"}).out, expected);
}

TEST(Compare, PagesOf24LinesAndEsc) {
  Sandbox box;
  box.write("a", std::string(25, 'a'));
  box.write("b", std::string(24, 'b') + "a");
  box.write("c", std::string(25, 'b'));
  std::string page;
  char line[64];
  for (int i = 0; i < 24; ++i) {
    std::snprintf(line, sizeof line, "%06X - 61 <> 62\n", i);
    page += line;
  }
  EXPECT_EQ(box.run({"C", "a", "b"}, "x").out, page + kPrompt + "\n");
  EXPECT_EQ(box.run({"C", "a", "c"}, "\x1b").out, page + kPrompt + "\n");
  EXPECT_EQ(box.run({"C", "a", "c"}, "x").out,
            page + kPrompt + "\n000018 - 61 <> 62\n");
}

}  // namespace
}  // namespace bintool::test
