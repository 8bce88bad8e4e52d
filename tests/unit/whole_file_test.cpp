// Whole sources for the HEBER conversions: mapped from the file cache or
// read, they must hold the same bytes, and every failure must be told apart.
#include "app/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/bytes.h"

namespace bintool {
namespace {

class WholeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bintool-whole-XXXXXX")
            .string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string write(const std::string& name, const std::string& bytes) {
    std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Pushes the file out of the file cache, so that it has to be read.
  static void evict(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    fsync(fd);
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    close(fd);
  }

  static std::string text(const WholeFile& file) {
    auto bytes = file.bytes();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }

  std::string dir_;
};

TEST_F(WholeFileTest, CachedEvictedAndPrivateCopiesHoldTheSameBytes) {
  std::string bytes = test::random_bytes(3 * 4096 + 17, 1);
  std::string path = write("f", bytes);
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    if (way == 1) {
      evict(path);
    }
    WholeFile file;
    ASSERT_EQ(file.load(path.c_str(), bytes.size(), way == 2),
              WholeFile::Status::kOk);
    EXPECT_TRUE(text(file) == bytes);
  }
}

TEST_F(WholeFileTest, ShortAndFailedLoads) {
  std::string path = write("short", "abc");
  WholeFile file;
  ASSERT_EQ(file.load(path.c_str(), 6, false), WholeFile::Status::kOk);
  EXPECT_EQ(text(file), std::string("abc\0\0\0", 6));
  EXPECT_EQ(file.load((dir_ + "/missing").c_str(), 4, false),
            WholeFile::Status::kCantOpen);
  EXPECT_EQ(file.load(dir_.c_str(), 4, false), WholeFile::Status::kCantOpen);
  EXPECT_EQ(file.load(write("empty", "").c_str(), 4, false),
            WholeFile::Status::kCantRead);
}

TEST_F(WholeFileTest, WindowsCoverTheFileMappedOrRead) {
  // Past two 4 MiB windows, with a tail that is no whole window.
  std::string bytes = test::random_bytes((9u << 20) + 5, 2);
  std::string path = write("big", bytes);
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    if (way == 1) {
      evict(path);
    }
    // The limit cuts the file short on the third way.
    uint64_t limit = way == 2 ? (4u << 20) + 3 : bytes.size();
    File file = File::open(path.c_str(), OpenMode::kRead);
    Buffer block = Buffer::allocate(size_t{1} << 17);
    WindowReader reader(file, limit, block.span());
    std::string seen;
    for (auto window = reader.next(); !window.empty(); window = reader.next()) {
      seen.append(reinterpret_cast<const char*>(window.data()), window.size());
    }
    EXPECT_TRUE(seen == bytes.substr(0, limit));
  }
}

}  // namespace
}  // namespace bintool
