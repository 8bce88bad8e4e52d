// The pure core: numbers, patterns, layouts, text and P's row plan.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <numeric>

#include "app/hex_arg.h"
#include "inspect/pattern.h"
#include "inspect/text_format.h"
#include "io/whole_file.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(Numbers, EverySpellingUsersType) {
  // Hex for addresses: prefix, sign, junk after the digits, overflow;
  // decimal, with no prefix, for P's row count.
  const std::pair<const char*, uint32_t> kHex[] = {
      {"0x10", 0x10},     {"a", 0xA},
      {"0x01", 1},        {"0X1f", 0x1F},
      {"+10G", 0x10},     {" \t7f", 0x7F},
      {"0xg", 0},         {"-0x10", 0xFFFFFFF0},
      {"+-1", 0},         {"100000000", ~0u},
      {"-100000000", ~0u}};
  for (auto [text, value] : kHex) {
    EXPECT_EQ(parse_hex(text), value) << text;
  }
  EXPECT_EQ(parse_decimal("1A"), 1u);
  EXPECT_EQ(parse_decimal("4294967296"), ~0u);
}

TEST(Pattern, TokensAsTheShellDeliversThem) {
  const std::pair<std::vector<const char*>, const char*> kCases[] = {
      {{"'a  b'"}, "61 20 20 62 "},
      {{"'''"}, "27 "},
      {{"''", "x'"}, "27 20 78 "},
      {{"'a", "", "b'"}, "61 20 20 62 "},
      {{"'ab'cd", "1FF", "zz"}, "61 62 FF 00 "},
      {{"?41", "41?"}, "?? 41 "},
      {{"41", "'ab"}, "unclosed 41 61 62 20 "}};
  for (const auto& [tokens, entries] : kCases) {
    ParsedPattern pattern = parse_pattern(tokens);
    std::string shown = pattern.unclosed ? "unclosed " : "";
    for (const PatternEntry& entry : pattern.entries) {
      char cell[4];
      std::snprintf(cell, sizeof cell, "%02X ", entry.value);
      shown += entry.wildcard ? "?? " : cell;
    }
    EXPECT_EQ(shown, entries) << tokens[0];
  }
}

// A layout's output made in windows of `window` bytes.
template <typename Fill>
Bytes in_windows(size_t size, size_t window, Fill fill) {
  Bytes out(size);
  for (size_t at = 0; at < size; at += window) {
    fill(at, std::span(out).subspan(at, std::min(window, size - at)));
  }
  return out;
}

using Join = decltype(&heber_program_join);
using Split = decltype(&heber_program_split);
constexpr std::pair<Join, Split> kLayouts[] = {
    {heber_program_join, heber_program_split},
    {heber_video_join, heber_video_split}};

TEST(Layouts, SplitsUndoJoinsInAnyWindows) {
  // Every image length, every window size; joining the split EPROMs of a
  // multiple-of-4 image gives it back. Other lengths keep their old rules:
  // the program board drops x4 of 5 bytes and sends x3 to both EPROMs and
  // x5 to neither of 7; the video board reads 0xFF past the end.
  const Bytes kOdd[2][2] = {{{0, 1, 2, 3}, {0, 3, 1, 2, 4, 3}},
                            {{3, 2, 1, 0}, {4, 3, 6, 1, 0, 3}}};
  for (int board = 0; board < 2; ++board) {
    auto [join, split] = kLayouts[board];
    for (size_t size = 0; size < 44; ++size) {
      Bytes image(size);
      std::iota(image.begin(), image.end(), 0);
      auto lane = [&](int which, size_t window) {
        return in_windows(size / 2, window, [&](uint64_t at, auto out) {
          split(image, which, at, out);
        });
      };
      Bytes e1 = lane(0, 1);
      Bytes e2 = lane(1, 1);
      for (size_t window = 2; window < 6; ++window) {
        ASSERT_EQ(lane(0, window), e1) << size;
        ASSERT_EQ(lane(1, window), e2) << size;
        ASSERT_TRUE(size % 4 != 0 || in_windows(size, window,
                                                [&](uint64_t at, auto out) {
                                                  join(e1, e2, at, out);
                                                }) == image)
            << size;
      }
      e1.insert(e1.end(), e2.begin(), e2.end());
      ASSERT_TRUE((size != 5 && size != 7) || e1 == kOdd[board][size == 7])
          << size;
    }
  }
}

TEST(Text, SumsInWideLanesAsSignedBytes) {
  // Long spans go through 16-bit lanes, which the most negative bytes fill
  // to the brim; any chunking gives the plain sum.
  Bytes data(20000, 0x80);
  data[8192] = 0x7F;
  uint32_t sum = add_signed_bytes(0, std::span(data).first(8193));
  EXPECT_EQ(add_signed_bytes(sum, std::span(data).subspan(8193)),
            static_cast<uint32_t>(-128 * 19999 + 127));
}

TEST(Text, ViewPlanOfEveryRowRule) {
  // {length, address, rows asked} -> {rows shown, warning, refused}
  struct Case {
    int64_t length;
    uint64_t address;
    int32_t asked;
    ViewPlan plan;
  };
  const Case kCases[] = {{0x20, 0, 2, {2, false, false}},
                         {0x20, 0, 3, {3, true, false}},
                         {0x25, 0x10, 0, {0, false, false}},
                         {0x25, 0x35, 1, {0, true, false}},
                         {0x25, 0x36, 1, {0, true, false}},
                         {0x25, 0x45, 1, {0, true, true}},
                         {0x25, 0xFFFFFFFF, 1, {0, true, true}},
                         {0x25, 0, -1, {0, false, true}},
                         {1ll << 31, 0, 0x7FFFFFF, {0x7FFFFFF, false, false}},
                         {1ll << 31, 0, 0x8000000, {0, false, true}}};
  for (const Case& c : kCases) {
    ViewPlan plan = plan_view(c.length, c.address, c.asked);
    EXPECT_TRUE(plan.rows == c.plan.rows && plan.warning == c.plan.warning &&
                plan.refused == c.plan.refused)
        << c.address << " " << c.asked << ": " << plan.rows;
  }
}

TEST(WholeFile, AMappedFileThatShrinksIsAReadErrorNotACrash) {
  // Just written, the file is cached and so mapped; then it is emptied.
  std::string path = testing::TempDir() + "shrinks";
  std::ofstream(path, std::ios::binary) << std::string(1 << 16, 'x');
  WholeFile file;
  ASSERT_EQ(file.load(path.c_str(), 1 << 16, false), WholeFile::Status::kOk);
  ASSERT_EQ(truncate(path.c_str(), 0), 0);
  volatile uint8_t last = 0;
  EXPECT_FALSE(run_guarded([&] { last = file.bytes().back(); }));
  EXPECT_TRUE(run_guarded([] {}));
  unlink(path.c_str());
}

}  // namespace
}  // namespace bintool
