// 1 to 4: HEBER program and video conversions on disk.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

using Case = FileCase;

TEST(Heber, ResultsAndFailures) {
  const std::string b8 = hex("b0 b1 b2 b3 b4 b5 b6 b7");
  const std::string a4 = hex("a0 a1 a2 a3");
  const std::string b4 = hex("b0 b1 b2 b3");
  const Case kCases[] = {
      {"3: two 4-byte EPROMs",
       {{"a", a4}, {"b", b4}},
       {"3", "a", "b", "m"},
       "",
       {{"m", hex("b1 b0 b3 b2 a1 a0 a3 a2")}}},
      {"4: a 6-byte source reads an erased byte past its end",
       {{"m", ramp(6)}},
       {"4", "m", "a", "b"},
       "",
       {{"a", hex("04 03 FF")}, {"b", hex("01 00 03")}}},
      {"1: empty sources fail silently",
       {{"a", ""}, {"b", ""}},
       {"1", "a", "b", "m"},
       "",
       {}},
      {"3: sizes differ",
       {{"a", a4}, {"b", b8}},
       {"3", "a", "b", "m"},
       "Files are not the same size\n",
       {}},
      {"1: first source missing",
       {{"b", b4}},
       {"1", "a", "b", "m"},
       "Can't open file\nFiles are not the same size\n",
       {}},
      {"1: both missing",
       {},
       {"1", "a", "b", "m"},
       "Can't open file\nCan't open file\n",
       {}},
      {"1: odd lengths have no image",
       {{"a", "abc"}, {"b", "def"}},
       {"1", "a", "b", "m"},
       "Files must have an even length\n",
       {}},
      {"3: odd lengths have no image",
       {{"a", "a"}, {"b", "d"}},
       {"3", "a", "b", "m"},
       "Files must have an even length\n",
       {}},
      {"2: empty source fails silently",
       {{"m", ""}},
       {"2", "m", "a", "b"},
       "",
       {}},
      {"2: missing source", {}, {"2", "m", "a", "b"}, "Can't open file\n", {}},
      {"2: 1-byte source gives two empty EPROMs",
       {{"m", "x"}},
       {"2", "m", "a", "b"},
       "",
       {{"a", ""}, {"b", ""}}},
      {"2: second EPROM cannot be created, the first is complete",
       {{"m", ramp(8)}},
       {"2", "m", "a", "no/b"},
       "Can't create file\n",
       {{"a", hex("00 02 04 06")}}},
      {"4: second EPROM cannot be created, the first is complete",
       {{"m", ramp(8)}},
       {"4", "m", "a", "no/b"},
       "Can't create file\n",
       {{"a", hex("05 04 07 06")}}},
      {"1: converting in place over the first source",
       {{"a", a4}, {"b", b4}},
       {"1", "a", "b", "a"},
       "",
       {{"a", hex("a0 b0 a1 b1 a2 b2 a3 b3")}}},
      {"4: splitting in place over the image",
       {{"m", ramp(8)}},
       {"4", "m", "m", "b"},
       "",
       {{"m", hex("05 04 07 06")}, {"b", hex("01 00 03 02")}}},
  };
  run_file_cases(kCases);
}

TEST(Heber, ConversionsAreInversesOnDisk) {
  for (size_t n : {size_t{2}, size_t{6}, size_t{0x8000}, size_t{0x20002}}) {
    for (auto [join, split] : {std::pair{"1", "2"}, std::pair{"3", "4"}}) {
      SCOPED_TRACE(testing::Message() << join << " " << n);
      Sandbox box;
      std::string e1 = random_bytes(n, static_cast<uint32_t>(n));
      std::string e2 = random_bytes(n, static_cast<uint32_t>(n + 1));
      std::string image = random_bytes(2 * n, static_cast<uint32_t>(n + 2));
      box.write("e1", e1);
      box.write("e2", e2);
      box.write("img", image);
      // Two EPROMs, to one image and back.
      ASSERT_EQ(box.run({join, "e1", "e2", "m"}).out, "");
      ASSERT_EQ(box.run({split, "m", "x1", "x2"}).out, "");
      EXPECT_TRUE(box.read("x1") == e1);
      EXPECT_TRUE(box.read("x2") == e2);
      // One image (a multiple of 4 bytes), to two EPROMs and back.
      ASSERT_EQ(box.run({split, "img", "y1", "y2"}).out, "");
      ASSERT_EQ(box.run({join, "y1", "y2", "back"}).out, "");
      EXPECT_TRUE(box.read("back") == image);
    }
  }
}

}  // namespace
}  // namespace bintool::test
