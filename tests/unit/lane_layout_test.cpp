// The HEBER one-EPROM layouts, checked against the boards' worked examples,
// their address-bit wiring, and any split of the output into windows.
#include "lanes/lane_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/bytes.h"

namespace bintool {
namespace {

using test::as_span;
using test::hex;
using test::random_bytes;

using Join = void (*)(std::span<const uint8_t>, std::span<const uint8_t>,
                      uint64_t, std::span<uint8_t>);
using Split = void (*)(std::span<const uint8_t>, int, uint64_t,
                       std::span<uint8_t>);

std::string join(Join layout, const std::string& e1, const std::string& e2) {
  std::string image(2 * e1.size(), '\0');
  layout(as_span(e1), as_span(e2), 0, as_span(image));
  return image;
}

std::pair<std::string, std::string> split(Split layout,
                                          const std::string& image) {
  std::string e1(image.size() / 2, '\0');
  std::string e2(image.size() / 2, '\0');
  layout(as_span(image), 0, 0, as_span(e1));
  layout(as_span(image), 1, 0, as_span(e2));
  return {e1, e2};
}

// Where one marked EPROM byte lands in the image of two 0x8000-byte EPROMs.
size_t landing(Join layout, int lane, size_t offset) {
  std::string e1(0x8000, '\0');
  std::string e2(0x8000, '\0');
  (lane == 0 ? e1 : e2)[offset] = '\xAA';
  std::string image = join(layout, e1, e2);
  return image.find('\xAA');
}

struct Landing {
  int lane;  // 0: first EPROM (sourc1), 1: second
  size_t eprom_offset;
  size_t image_offset;
};

TEST(HeberProgram, WorkedExamples) {
  EXPECT_EQ(join(heber_program_join, hex("a0 a1 a2 a3"), hex("b0 b1 b2 b3")),
            hex("a0 b0 a1 b1 a2 b2 a3 b3"));
  EXPECT_EQ(join(heber_program_join, hex("a0 a1 a2 a3 a4 a5 a6 a7"),
                 hex("b0 b1 b2 b3 b4 b5 b6 b7")),
            hex("a0 b0 a2 b2 a1 b1 a3 b3 a4 b4 a6 b6 a5 b5 a7 b7"));
}

TEST(HeberProgram, BytesOfTwo32KEpromsLandWhereTheBoardWantsThem) {
  const Landing kTable[] = {
      {0, 0x0000, 0x0000}, {1, 0x0000, 0x0001}, {0, 0x0001, 0x4000},
      {1, 0x0001, 0x4001}, {0, 0x0002, 0x0002}, {0, 0x0003, 0x4002},
      {0, 0x2001, 0x6000}, {0, 0x3FFF, 0x7FFE}, {0, 0x4000, 0x8000},
      {0, 0x4001, 0xC000}, {1, 0x7FFE, 0xBFFF}, {1, 0x7FFF, 0xFFFF},
  };
  for (const Landing& row : kTable) {
    SCOPED_TRACE(testing::Message()
                 << "lane " << row.lane << " offset " << row.eprom_offset);
    EXPECT_EQ(landing(heber_program_join, row.lane, row.eprom_offset),
              row.image_offset);
  }
}

TEST(HeberProgram, PowerOfTwoImagesFollowTheAddressBitWiring) {
  // d bit 0 = lane, d bits 1..m-3 = i bits 1..m-3, d bit m-2 = i bit 0,
  // d bit m-1 = i bit m-2.
  for (unsigned m = 3; m <= 14; ++m) {
    SCOPED_TRACE(m);
    size_t n = size_t{1} << (m - 1);
    std::string e1 = random_bytes(n, m);
    std::string e2 = random_bytes(n, 100 + m);
    std::string image = join(heber_program_join, e1, e2);
    for (size_t i = 0; i < n; ++i) {
      size_t middle = i & ((size_t{1} << (m - 2)) - 2);
      size_t d = middle | (i & 1) << (m - 2) | (i >> (m - 2) & 1) << (m - 1);
      ASSERT_EQ(image[d], e1[i]) << i;
      ASSERT_EQ(image[d | 1], e2[i]) << i;
    }
  }
}

TEST(HeberVideo, WorkedExampleAndLandings) {
  EXPECT_EQ(join(heber_video_join, hex("a0 a1 a2 a3"), hex("b0 b1 b2 b3")),
            hex("b1 b0 b3 b2 a1 a0 a3 a2"));
  const Landing kTable[] = {
      {1, 0x0000, 0x0001}, {1, 0x0001, 0x0000}, {1, 0x7FFF, 0x7FFE},
      {0, 0x0000, 0x8001}, {0, 0x0001, 0x8000}, {0, 0x7FFE, 0xFFFF},
      {0, 0x7FFF, 0xFFFE},
  };
  for (const Landing& row : kTable) {
    SCOPED_TRACE(testing::Message()
                 << "lane " << row.lane << " offset " << row.eprom_offset);
    EXPECT_EQ(landing(heber_video_join, row.lane, row.eprom_offset),
              row.image_offset);
  }
}

TEST(HeberLayouts, SplitsOfLengthsThatAreNoMultipleOfFour) {
  // Program, 5 bytes: the fifth goes nowhere; 6 and 7: x3 goes to both, x5
  // to neither. Video, remainder 2: the last byte of the first EPROM would
  // lie one past the end, and reads as an erased cell.
  struct Case {
    Split layout;
    const char* image;
    const char* first;
    const char* second;
  };
  const Case kCases[] = {
      {heber_program_split, "00", "", ""},
      {heber_program_split, "00 01 02 03 04", "00 01", "02 03"},
      {heber_program_split, "00 01 02 03 04 05", "00 03 01", "02 04 03"},
      {heber_program_split, "00 01 02 03 04 05 06", "00 03 01", "02 04 03"},
      {heber_video_split, "00", "", ""},
      {heber_video_split, "00 01", "FF", "01"},
      {heber_video_split, "00 01 02 03 04", "03 02", "01 00"},
      {heber_video_split, "00 01 02 03 04 05", "04 03 FF", "01 00 03"},
      {heber_video_split, "00 01 02 03 04 05 06", "04 03 06", "01 00 03"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.image);
    auto [e1, e2] = split(c.layout, hex(c.image));
    EXPECT_EQ(e1, hex(c.first));
    EXPECT_EQ(e2, hex(c.second));
  }
}

TEST(HeberLayouts, AnyWindowsGiveTheSameBytes) {
  // The handlers write in blocks; every block size must give the same file.
  for (size_t length : {size_t{12}, size_t{14}, size_t{0x1002}, size_t{4099}}) {
    std::string image = random_bytes(length, static_cast<uint32_t>(length));
    std::string e1 = image.substr(0, length / 2 & ~size_t{1});
    std::string e2 = image.substr(length / 2, e1.size());
    for (size_t window : {1u, 2u, 3u, 5u, 64u, 1000u}) {
      SCOPED_TRACE(testing::Message() << length << " by " << window);
      for (Split layout : {heber_program_split, heber_video_split}) {
        for (int lane = 0; lane < 2; ++lane) {
          std::string whole(length / 2, '\0');
          layout(as_span(image), lane, 0, as_span(whole));
          std::string pieces(length / 2, '\0');
          for (size_t at = 0; at < pieces.size(); at += window) {
            layout(as_span(image), lane, at,
                   as_span(pieces).subspan(
                       at, std::min(window, pieces.size() - at)));
          }
          EXPECT_EQ(pieces, whole);
        }
      }
      for (Join layout : {heber_program_join, heber_video_join}) {
        std::string whole = join(layout, e1, e2);
        std::string pieces(whole.size(), '\0');
        for (size_t at = 0; at < pieces.size(); at += window) {
          layout(as_span(e1), as_span(e2), at,
                 as_span(pieces).subspan(at,
                                         std::min(window, pieces.size() - at)));
        }
        EXPECT_EQ(pieces, whole);
      }
    }
  }
}

}  // namespace
}  // namespace bintool
