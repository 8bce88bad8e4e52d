// The pure core: numbers, patterns, layouts, text and P's row plan.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <numeric>

#include "app/hex_arg.h"
#include "inspect/pattern.h"
#include "inspect/text_format.h"
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

// The layouts as the README draws them, one byte at a time: the reference
// every streamed layout must match.
struct Oracle {
  static uint8_t at(const Bytes& v, size_t i) {
    return i < v.size() ? v[i] : uint8_t{0xFF};
  }
  static Bytes program_join(const Bytes& e1, const Bytes& e2) {
    size_t n = e1.size(), q = n / 2;
    Bytes w(2 * n), m;
    for (size_t i = 0; i < n; ++i) {
      size_t p = i % 2 == 0 ? i : n + i - 1;  // even words, then odd ones
      w[p] = e1[i];
      w[p + 1] = e2[i];
    }
    for (size_t quarter : {0, 2, 1, 3}) {
      m.insert(m.end(), w.begin() + quarter * q, w.begin() + quarter * q + q);
    }
    return m;
  }
  static Bytes program_split(const Bytes& v, int lane) {
    size_t h = v.size() / 2, q = v.size() / 4;
    Bytes b = v, e(h);
    std::swap_ranges(b.begin() + q, b.begin() + 2 * q, b.begin() + 2 * q);
    for (size_t k = 0; k < h; ++k) {
      e[k] = b[(k % 2 == 0 ? k : h + k - 1) + lane];
    }
    return e;
  }
  static Bytes video_join(const Bytes& e1, const Bytes& e2) {
    Bytes m;
    for (const Bytes* e : {&e2, &e1}) {
      for (size_t i = 0; i < e->size(); ++i) {
        m.push_back((*e)[i ^ 1]);
      }
    }
    return m;
  }
  static Bytes video_split(const Bytes& v, int lane) {
    size_t h = v.size() / 2;
    Bytes e(h);
    for (size_t k = 0; k < h; ++k) {
      e[k] = at(v, (lane == 0 ? h : 0) + (k ^ 1));
    }
    return e;
  }
};

// A layout's output made in windows of `window` bytes, from sources in
// memory.
template <typename Layout>
Bytes in_windows(size_t size, size_t window, Layout layout) {
  Bytes out(size), a(window + 2), b(window + 2);
  for (size_t at = 0; at < size; at += window) {
    EXPECT_TRUE(layout(at,
                       std::span(out).subspan(at, std::min(window, size - at)),
                       Scratch{a, b}));
  }
  return out;
}

Fetch fetch_from(const Bytes& v) {
  return [&v](uint64_t at, std::span<uint8_t> into) {
    for (size_t i = 0; i < into.size(); ++i) {
      into[i] = Oracle::at(v, at + i);
    }
    return true;
  };
}

// Both EPROMs of `image`, made in windows of `window` bytes, one after the
// other.
Bytes split_in_windows(decltype(&heber_program_split) split, const Bytes& image,
                       size_t window) {
  size_t h = image.size() / 2;
  Bytes e1(h), e2(h), a(window + 2), b(window + 2);
  for (size_t at = 0; at < h; at += window) {
    size_t count = std::min(window, h - at);
    EXPECT_TRUE(split(fetch_from(image), image.size(), at,
                      std::span(e1).subspan(at, count),
                      std::span(e2).subspan(at, count), Scratch{a, b}));
  }
  e1.insert(e1.end(), e2.begin(), e2.end());
  return e1;
}

// The program image made from the EPROMs' side, in EPROM blocks of about
// `block` bytes.
Bytes by_words(const Bytes& e1, const Bytes& e2, size_t block) {
  size_t n = e1.size(), step = block + block % 2;
  Bytes image(2 * n), even(step), odd(step), a(step + 1), b(step + 1);
  for (size_t s = 0; s < n; s += step) {
    size_t count = std::min(step, n - s);
    std::copy_n(e1.begin() + s, count, a.begin());
    std::copy_n(e2.begin() + s, count, b.begin());
    heber_program_words(
        std::span(a).first(count + 1), std::span(b).first(count + 1),
        std::span(even).first(count), std::span(odd).first(count));
    // Runs as the command writes them: each from where its first byte lands.
    for (auto [w, from] : {std::pair{s, even.data()}, {n + s, odd.data()}}) {
      for (size_t i = 0; i < count;) {
        ImageRun run = program_image_run(w + i, n);
        size_t k = std::min<size_t>(count - i, run.until - (w + i));
        std::copy_n(from + i, k,
                    image.begin() + static_cast<ptrdiff_t>(run.at));
        i += k;
      }
    }
  }
  return image;
}

TEST(Layouts, EveryLengthAndWindowMatchesTheReference) {
  // Images of every length 0 to 70 (EPROMs of every even length up to 35),
  // made in windows of every size: the streamed layouts give the
  // reference's bytes, 0xFF past the end included.
  for (size_t size = 0; size <= 70; ++size) {
    Bytes image(size), e1(size / 2 & ~size_t{1}), e2(e1.size());
    std::iota(image.begin(), image.end(), 0);
    std::iota(e1.begin(), e1.end(), 0xA0);
    std::iota(e2.begin(), e2.end(), 0x40);
    for (size_t window = 1; window <= std::max<size_t>(size, 1); ++window) {
      SCOPED_TRACE(testing::Message()
                   << size << " bytes, windows of " << window);
      for (auto [split, lane] :
           {std::pair{&heber_program_split, &Oracle::program_split},
            {&heber_video_split, &Oracle::video_split}}) {
        Bytes both = lane(image, 0), second = lane(image, 1);
        both.insert(both.end(), second.begin(), second.end());
        EXPECT_EQ(split_in_windows(split, image, window), both);
      }
      EXPECT_EQ(by_words(e1, e2, window), Oracle::program_join(e1, e2));
      EXPECT_EQ(in_windows(2 * e1.size(), window,
                           [&](auto at, auto out, auto room) {
                             return heber_program_join(
                                 fetch_from(e1), fetch_from(e2), e1.size(), at,
                                 out, room);
                           }),
                Oracle::program_join(e1, e2));
      EXPECT_EQ(in_windows(2 * e1.size(), window,
                           [&](auto at, auto out, auto room) {
                             return heber_video_join(fetch_from(e1),
                                                     fetch_from(e2), e1.size(),
                                                     at, out, room);
                           }),
                Oracle::video_join(e1, e2));
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

}  // namespace
}  // namespace bintool
