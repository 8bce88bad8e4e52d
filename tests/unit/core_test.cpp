// The pure core: numbers, patterns, T's window, layouts, text and P's plan.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "app/hex_arg.h"
#include "inspect/pattern.h"
#include "inspect/search_window.h"
#include "inspect/signed_sum.h"
#include "inspect/text_format.h"
#include "inspect/view_plan.h"
#include "io/buffer.h"
#include "io/names.h"
#include "lanes/heber_layout.h"
#include "lanes/lane_layout.h"
#include "lanes/shuffle_block.h"

namespace bintool {
namespace {

using Bytes = std::vector<uint8_t>;

// An EPROM image in memory, as a layout reads it.
class MemoryEprom final : public EpromSource {
 public:
  explicit MemoryEprom(const Bytes& bytes)
      : EpromSource(bytes.size()), bytes_(bytes) {}

 private:
  bool read(uint64_t at, std::span<uint8_t> into) override {
    std::copy_n(bytes_.data() + at, into.size(), into.data());
    return true;
  }
  const Bytes& bytes_;
};

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
// every streamed layout must match. Bytes past an image's end are 0xFF.
uint8_t at(const Bytes& v, size_t i) { return i < v.size() ? v[i] : 0xFF; }

Bytes program_join(const Bytes& e1, const Bytes& e2) {
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

Bytes program_split(const Bytes& v, int lane) {
  size_t h = v.size() / 2, q = v.size() / 4;
  Bytes b = v, e(h);
  std::swap_ranges(b.begin() + q, b.begin() + 2 * q, b.begin() + 2 * q);
  for (size_t k = 0; k < h; ++k) {
    e[k] = b[(k % 2 == 0 ? k : h + k - 1) + lane];
  }
  return e;
}

Bytes video_join(const Bytes& e1, const Bytes& e2) {
  Bytes m;
  for (const Bytes* e : {&e2, &e1}) {
    for (size_t i = 0; i < e->size(); ++i) {
      m.push_back((*e)[i ^ 1]);
    }
  }
  return m;
}

Bytes video_split(const Bytes& v, int lane) {
  Bytes e(v.size() / 2);
  for (size_t k = 0; k < e.size(); ++k) {
    e[k] = at(v, (lane == 0 ? e.size() : 0) + (k ^ 1));
  }
  return e;
}

// `size` bytes that make(at, out, scratch) gives in windows of `window`.
template <typename Make>
Bytes in_windows(size_t size, size_t window, Make make) {
  Bytes out(size), a(window + 1 + 2 * kReadAlignment), b(a.size());
  for (size_t at = 0; at < size; at += window) {
    auto part = std::span(out).subspan(at, std::min(window, size - at));
    EXPECT_TRUE(make(at, part, Scratch{a, b}));
  }
  return out;
}

TEST(Layouts, EveryLengthAndWindowMatchesTheReference) {
  // Images of every length 0 to 70 (EPROMs of every even length up to 35),
  // made in windows of every size (even sizes where a window must start
  // even): the streamed layouts give the reference's bytes, 0xFF past the
  // end included.
  for (size_t size = 0; size <= 70; ++size) {
    Bytes image(size), e1(size / 2 & ~size_t{1}), e2(e1.size());
    std::iota(image.begin(), image.end(), 0);
    std::iota(e1.begin(), e1.end(), 0xA0);
    std::iota(e2.begin(), e2.end(), 0x40);
    MemoryEprom m(image), u1(e1), u2(e2);
    size_t n = e1.size();
    for (size_t window = 1; window <= std::max<size_t>(size, 1); ++window) {
      SCOPED_TRACE(testing::Message()
                   << size << " bytes, windows of " << window);
      auto make = [&](auto layout) {
        return in_windows(2 * n, window, [&](auto at, auto out, auto room) {
          return layout(u1, u2, n, at, out, room);
        });
      };
      EXPECT_EQ(make(heber_program_join), program_join(e1, e2));
      if (window % 2 != 0) {
        continue;
      }
      // The words of each EPROM window, put where they land.
      Bytes placed(2 * n);
      in_windows(n, window, [&](auto at, auto even, auto room) {
        Bytes odd(even.size());
        bool read = heber_program_words(u1, u2, at, even, odd, room);
        for (auto [w, words] :
             {std::pair{at, Bytes(even.begin(), even.end())}, {n + at, odd}}) {
          for (size_t x = 0; x < words.size(); ++x) {
            placed[exchanged(w + x, n / 2).from] = words[x];
          }
        }
        return read;
      });
      EXPECT_EQ(placed, program_join(e1, e2));
      EXPECT_EQ(make(heber_video_join), video_join(e1, e2));
      for (auto [split, lane] :
           {std::pair{&heber_program_split, &program_split},
            {&heber_video_split, &video_split}}) {
        for (int which : {0, 1}) {
          EXPECT_EQ(
              in_windows(size / 2, window,
                         [&](auto at, auto out, auto room) {
                           Bytes other(out.size());
                           return which == 0
                                      ? split(m, size, at, out, other, room)
                                      : split(m, size, at, other, out, room);
                         }),
              lane(image, which));
        }
      }
    }
  }
}

TEST(Search, EveryWindowFindsWhatAPlainSearchFinds) {
  // Patterns shorter and longer than a page, wildcards first and inside, over
  // reads cut short anywhere: every match once, at its offset, the last
  // bytes included.
  Bytes data(3000);
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] = static_cast<uint8_t>(i * i / 7 % 3);
  }
  for (size_t m : {1, 2, 3, 255, 256, 257, 700}) {
    std::vector<PatternEntry> entries;
    for (size_t i = data.size() - m; i < data.size(); ++i) {
      entries.push_back({data[i], i % 3 == 0 && m > 1});
    }
    PatternMatcher matcher(entries);
    std::vector<uint64_t> all;
    for (size_t k = 0; k + m <= data.size(); ++k) {
      if (std::ranges::all_of(entries, [&, i = k](auto& e) mutable {
            return data[i++] == e.value || e.wildcard;
          })) {
        all.push_back(k);
      }
    }
    for (size_t most : {1, 7, 256, 1000, 4000}) {
      SCOPED_TRACE(testing::Message()
                   << m << "-byte pattern, reads of " << most);
      Buffer block = Buffer::allocate(SearchWindow::room_for(m));
      SearchWindow window(block.span(), m - 1);
      std::vector<uint64_t> found;
      for (size_t read = 0;;) {
        std::span<uint8_t> free = window.free_space();
        size_t got = std::min({free.size(), most, data.size() - read});
        if (got == 0) {
          break;
        }
        std::copy_n(&data[read], got, free.data());
        read += got;
        matcher.find(window.take(got),
                     [&](size_t k) { found.push_back(window.offset() + k); });
      }
      EXPECT_EQ(found, all);
    }
  }
}

TEST(ShuffleBlock, FillsTheSecondLevelCacheUpToOneMebibyte) {
  // second-level cache -> block (a step holds four)
  constexpr size_t kKiB = 1024;
  const size_t kCases[][2] = {{0, 64 * kKiB},
                              {256 * kKiB, 64 * kKiB},
                              {512 * kKiB, 128 * kKiB},
                              {768 * kKiB, 128 * kKiB},
                              {1024 * kKiB, 256 * kKiB},
                              {8192 * kKiB, 256 * kKiB}};
  for (const auto& c : kCases) {
    EXPECT_EQ(shuffle_block_for(c[0]), c[1]) << c[0];
  }
}

TEST(SignedSum, LanesFilledToTheBrimAddAsBytes) {
  // Long spans go through 16-bit lanes, which the most negative bytes fill
  // to the brim; any chunking gives the plain sum.
  Bytes data(20000, 0x80);
  data[8192] = 0x7F;
  uint32_t sum = add_signed_bytes(0, std::span(data).first(8193));
  EXPECT_EQ(add_signed_bytes(sum, std::span(data).subspan(8193)),
            -128u * 19999 + 127);
}

TEST(ViewPlan, EveryRowRule) {
  // length, address, rows asked -> rows shown, warning, refused
  const int64_t kCases[][6] = {{0x20, 0, 2, 2, 0, 0},
                               {0x1F, 0, 2, 2, 1, 0},
                               {0x20, 0, 3, 3, 1, 0},
                               {0x25, 0x10, 0, 0, 0, 0},
                               {0x25, 0x35, 1, 0, 1, 0},
                               {0x25, 0x36, 1, 0, 1, 0},
                               {0x25, 0x45, 1, 0, 1, 1},
                               {0x25, 0xFFFFFFFF, 1, 0, 1, 1},
                               {0x25, 0, -1, 0, 0, 1},
                               {1ll << 31, 0, 0x7FFFFFF, 0x7FFFFFF, 0, 0},
                               {1ll << 31, 0, 0x8000000, 0, 0, 1}};
  for (const auto& c : kCases) {
    ViewPlan plan = plan_view(c[0], static_cast<uint64_t>(c[1]),
                              static_cast<int32_t>(c[2]));
    EXPECT_EQ((std::vector<int64_t>{plan.rows, plan.warning, plan.refused}),
              (std::vector<int64_t>{c[3], c[4], c[5]}))
        << c[1] << " " << c[2];
  }
}

TEST(Names, SpellingsAFatFolderTakesForItsEntry) {
  // listed entry, spelling -> one file: letter case, trailing dots and
  // blanks fold; anything else (beyond ASCII too) is another name.
  const std::tuple<const char*, const char*, bool> kCases[] = {
      {"img", "IMG", true},
      {"Rom.Bin", "rOM.bIN", true},
      {"img", "img. ", true},
      {"img", "im", false},
      {"img", "img2", false},
      {"a.b", "a b", false},
      {"\xC4\x8D", "\xC4\x8C", false},
      {"...", "", false}};
  for (auto [listed, spelled, same] : kCases) {
    EXPECT_EQ(spells(listed, spelled), same) << listed << " " << spelled;
  }
}

}  // namespace
}  // namespace bintool
