// L, R, I and U: the bytes they leave on disk, and their messages.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

using Case = FileCase;

TEST(Concatenate, ResultsAndFailures) {
  const Case kCases[] = {
      {"one source is a copy",
       {{"a", "abc"}},
       {"L", "a", "d"},
       "",
       {{"d", "abc"}}},
      {"sources in argument order, empty ones add nothing",
       {{"a", "12"}, {"b", ""}, {"c", "345"}, {"d", "old contents"}},
       {"L", "c", "b", "a", "d"},
       "",
       {{"d", "34512"}}},
      {"a missing source stops the join after the ones before it",
       {{"a", "12"}, {"c", "3"}},
       {"L", "a", "b", "c", "d"},
       "File could not be opened\n",
       {{"d", "12"}}},
      {"destination that is also a source is refused, not emptied",
       {{"a", "12"}, {"b", "34"}},
       {"L", "a", "b", "a"},
       "error: source and destination are the same file\n",
       {}},
      {"a source named as the destination yet to be made is refused",
       {{"a", "12"}},
       {"L", "a", "d", "d"},
       "error: source and destination are the same file\n",
       {{"d", "12"}}},
  };
  run_file_cases(kCases);
}

TEST(Split, ResultsAndFailures) {
  const std::string ten = ramp(10);
  const Case kCases[] = {
      {"10 bytes into 3: byte 9 goes nowhere",
       {{"s", ten}},
       {"R", "s", "a", "b", "c"},
       "",
       {{"a", ramp(3)}, {"b", ramp(3, 3)}, {"c", ramp(3, 6)}}},
      {"2 bytes into 3: one byte each while they last",
       {{"s", "xy"}},
       {"R", "s", "a", "b", "c"},
       "",
       {{"a", "x"}, {"b", "y"}, {"c", ""}}},
      {"empty source",
       {{"s", ""}, {"b", "old"}},
       {"R", "s", "a", "b"},
       "",
       {{"a", ""}, {"b", ""}}},
      {"one destination is a copy",
       {{"s", ten}},
       {"R", "s", "a"},
       "",
       {{"a", ten}}},
      {"missing source: two messages, nothing created",
       {},
       {"R", "s", "a", "b"},
       "Can't open file\nCan't create file\n",
       {}},
      {"a destination that cannot be created stops after the complete ones",
       {{"s", "abcd"}},
       {"R", "s", "a", "no/b"},
       "File could not be opened\n",
       {{"a", "ab"}}},
      {"destination that is the source is refused",
       {{"s", "abcd"}},
       {"R", "s", "a", "s"},
       "error: source and destination are the same file\n",
       {}},
  };
  run_file_cases(kCases);
}

TEST(Split, PiecesOfLargeFilesCrossBlocks) {
  Sandbox box;
  std::string source = random_bytes((3u << 20) + 5, 3);
  box.write("s", source);
  ASSERT_EQ(box.run({"R", "s", "a", "b"}).out, "");
  size_t piece = source.size() / 2;
  EXPECT_TRUE(box.read("a") == source.substr(0, piece));
  EXPECT_TRUE(box.read("b") == source.substr(piece, piece));
  ASSERT_EQ(box.run({"L", "a", "b", "s", "j"}).out, "");
  EXPECT_TRUE(box.read("j") == source.substr(0, 2 * piece) + source);
}

TEST(Extract, RangesAndFailures) {
  const std::string src = ramp(0x40);
  const Case kCases[] = {
      {"no address copies everything",
       {{"s", src}},
       {"I", "s", "d"},
       "",
       {{"d", src}}},
      {"address to the end",
       {{"s", src}},
       {"I", "s", "d", "30"},
       "",
       {{"d", src.substr(0x30)}}},
      {"address and length",
       {{"s", src}},
       {"I", "s", "d", "0x10", "8"},
       "",
       {{"d", src.substr(0x10, 8)}}},
      {"length past the end stops at the end",
       {{"s", src}},
       {"I", "s", "d", "3C", "100"},
       "",
       {{"d", src.substr(0x3C)}}},
      {"seven arguments ignore the length",
       {{"s", src}},
       {"I", "s", "d", "38", "2", "x"},
       "",
       {{"d", src.substr(0x38)}}},
      {"address at the end gives an empty file",
       {{"s", src}},
       {"I", "s", "d", "40"},
       "",
       {{"d", ""}}},
      {"missing source: two messages, nothing created",
       {},
       {"I", "s", "d"},
       "Can't open file\nCan't create file\n",
       {}},
      {"destination that is the source is refused",
       {{"s", src}},
       {"I", "s", "s", "10"},
       "error: source and destination are the same file\n",
       {}},
  };
  run_file_cases(kCases);
}

TEST(Insert, PatchesInPlace) {
  const std::string dest = ramp(0x100);
  const std::string patch(0x10, '\xEE');
  auto patched = [&](size_t at) {
    std::string out = dest;
    out.resize(std::max(out.size(), at + patch.size()), '\0');
    out.replace(at, patch.size(), patch);
    return out;
  };
  const Case kCases[] = {
      {"inside",
       {{"s", patch}, {"d", dest}},
       {"U", "s", "d", "20"},
       "",
       {{"d", patched(0x20)}}},
      {"across the end grows the file",
       {{"s", patch}, {"d", dest}},
       {"U", "s", "d", "F8"},
       "",
       {{"d", patched(0xF8)}}},
      {"beyond the end leaves zeros in the gap",
       {{"s", patch}, {"d", dest}},
       {"U", "s", "d", "200"},
       "",
       {{"d", patched(0x200)}}},
      {"no address is offset 0",
       {{"s", patch}, {"d", dest}},
       {"U", "s", "d"},
       "",
       {{"d", patched(0)}}},
      {"an argument after the address means offset 0",
       {{"s", patch}, {"d", dest}},
       {"U", "s", "d", "20", "x"},
       "",
       {{"d", patched(0)}}},
      {"empty source changes nothing",
       {{"s", ""}, {"d", dest}},
       {"U", "s", "d", "20"},
       "",
       {}},
      {"missing destination is reported and not created",
       {{"s", patch}},
       {"U", "s", "d", "20"},
       "Can't open file\n",
       {}},
      {"missing source: two messages, destination unchanged",
       {{"d", dest}},
       {"U", "s", "d", "20"},
       "Can't open file\nCan't create file\n",
       {}},
  };
  run_file_cases(kCases);
}

TEST(Insert, IntoItselfCopiesTheBytesAsTheyWere) {
  // Sizes around the block, so the copy runs over several blocks.
  for (size_t size :
       {size_t{0x40}, size_t{(1u << 20) + 17}, size_t{(2u << 20) + 3}}) {
    for (const char* address : {"0", "1", "100001"}) {
      SCOPED_TRACE(testing::Message() << size << " at " << address);
      Sandbox box;
      std::string before = random_bytes(size, 9);
      box.write("f", before);
      ASSERT_EQ(box.run({"U", "f", "f", address}).out, "");
      size_t at = std::stoul(address, nullptr, 16);
      std::string expected = before;
      expected.resize(std::max(size, at + size));
      expected.replace(at, size, before);
      EXPECT_TRUE(box.read("f") == expected);
    }
  }
}

}  // namespace
}  // namespace bintool::test
