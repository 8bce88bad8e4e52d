// Files past 2 GiB and 4 GiB, where 32-bit lengths and offsets would break:
// sparse files of zeros with marker bytes around the boundaries, run through
// every command that streams them, and checked byte for byte.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <vector>

#include "e2e/harness.h"

namespace bintool::test {
namespace {

using Markers = std::map<uint64_t, uint8_t>;

void make_sparse(const std::string& path, uint64_t size,
                 const Markers& markers) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, static_cast<off_t>(size)), 0);
  for (auto [offset, byte] : markers) {
    ASSERT_EQ(pwrite(fd, &byte, 1, static_cast<off_t>(offset)), 1);
  }
  close(fd);
}

// Checks that `path` holds `size` bytes, all zero but the markers.
void expect_image(const std::string& path, uint64_t size,
                  const Markers& markers) {
  SCOPED_TRACE(path);
  ASSERT_EQ(std::filesystem::file_size(path), size);
  int fd = open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  std::vector<uint8_t> block(8 << 20);
  auto next = markers.begin();
  for (uint64_t at = 0; at < size;) {
    ssize_t got = read(fd, block.data(), block.size());
    ASSERT_GT(got, 0);
    for (ssize_t i = 0; i < got; ++i) {
      uint8_t want = 0;
      if (next != markers.end() &&
          next->first == at + static_cast<uint64_t>(i)) {
        want = next->second;
        ++next;
      }
      if (block[static_cast<size_t>(i)] != want) {
        close(fd);
        FAIL() << "byte " << std::hex << at + static_cast<uint64_t>(i);
      }
    }
    at += static_cast<uint64_t>(got);
  }
  close(fd);
}

Markers shifted(const Markers& markers, uint64_t from, uint64_t to,
                int64_t by) {
  Markers result;
  for (auto [offset, byte] : markers) {
    if (offset >= from && offset < to) {
      result[static_cast<uint64_t>(static_cast<int64_t>(offset) + by)] = byte;
    }
  }
  return result;
}

Markers lane(const Markers& markers, uint64_t parity) {
  Markers result;
  for (auto [offset, byte] : markers) {
    if (offset % 2 == parity) {
      result[offset / 2] = byte;
    }
  }
  return result;
}

struct Size {
  uint64_t bytes;
  uint64_t boundary;  // 2^31 or 2^32
  const char* near;   // the boundary less 0x10, in hex
  std::string view;   // P's two rows from there
};

class LargeFiles : public testing::TestWithParam<Size> {};

TEST_P(LargeFiles, StreamAcrossTheBoundary) {
  const Size& s = GetParam();
  Sandbox box;
  const Markers markers = {{0, 0x11},
                           {s.boundary - 1, 0x22},
                           {s.boundary, 0x33},
                           {s.bytes - 1, 0x44}};
  make_sparse(box.path("big"), s.bytes, markers);
  char length[64];
  std::snprintf(length, sizeof length, "Length=%llXH (%llu DEC)\n",
                static_cast<unsigned long long>(s.bytes),
                static_cast<unsigned long long>(s.bytes));

  EXPECT_EQ(box.run({"K", "big"}).out,
            std::string(length) + "Checksum=      AA (AA)-Checksum=00AA");
  char hit[64];
  std::snprintf(hit, sizeof hit, "0001-%llX     \n",
                static_cast<unsigned long long>(s.boundary - 1));
  EXPECT_EQ(box.run({"T", "big", "22", "33"}).out, hit);
  EXPECT_EQ(box.run({"P", "big", s.near, "2"}).out, s.view);
  ASSERT_EQ(box.run({"I", "big", "cut", s.near, "20"}).out, "");
  expect_image(box.path("cut"), 0x20, {{0xF, 0x22}, {0x10, 0x33}});

  Markers changed = markers;
  changed[s.boundary] = 0x55;
  make_sparse(box.path("other"), s.bytes, changed);
  char line[64];
  std::snprintf(line, sizeof line, "%06llX - 33 <> 55\n",
                static_cast<unsigned long long>(s.boundary));
  EXPECT_EQ(box.run({"C", "big", "other"}).out, line);
  std::filesystem::remove(box.path("other"));

  box.write("tail", "\x66\x77");
  ASSERT_EQ(box.run({"L", "big", "tail", "joined"}).out, "");
  Markers joined = markers;
  joined[s.bytes] = 0x66;
  joined[s.bytes + 1] = 0x77;
  expect_image(box.path("joined"), s.bytes + 2, joined);
  std::filesystem::remove(box.path("joined"));

  ASSERT_EQ(box.run({"R", "big", "r1", "r2"}).out, "");
  uint64_t piece = s.bytes / 2;
  expect_image(box.path("r1"), piece, shifted(markers, 0, piece, 0));
  expect_image(
      box.path("r2"), piece,
      shifted(markers, piece, 2 * piece, -static_cast<int64_t>(piece)));
  std::filesystem::remove(box.path("r1"));
  std::filesystem::remove(box.path("r2"));

  ASSERT_EQ(box.run({"O", "big", "even", "odd"}).out, "");
  expect_image(box.path("even"), (s.bytes + 1) / 2, lane(markers, 0));
  expect_image(box.path("odd"), s.bytes / 2, lane(markers, 1));
  std::filesystem::remove(box.path("big"));
  ASSERT_EQ(box.run({"S", "even", "odd", "back"}).out, "");
  expect_image(box.path("back"), s.bytes, markers);
}

const std::string kZeros = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ";
INSTANTIATE_TEST_SUITE_P(
    PastTwoAndFourGiB, LargeFiles,
    testing::Values(Size{0x80000040, 0x80000000, "7FFFFFF0",
                         "7FFFFFF0: " + kZeros + "22   ...............\"\n" +
                             "80000000: 33 " + kZeros + "  3...............\n"},
                    Size{0x100000040, 0x100000000, "FFFFFFF0",
                         "FFFFFFF0: " + kZeros + "22   ...............\"\n" +
                             "100000000: 33 " + kZeros +
                             "  3...............\n"}),
    [](const testing::TestParamInfo<Size>& param) {
      return param.index == 0 ? "Past2GiB" : "Past4GiB";
    });

}  // namespace
}  // namespace bintool::test
