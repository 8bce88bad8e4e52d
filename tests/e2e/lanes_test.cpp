// S and O: byte lanes of 16-bit images, and what failures leave on disk.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/bytes.h"

namespace bintool::test {
namespace {

using Case = FileCase;

TEST(Interleave, ResultsAndFailures) {
  const Case kCases[] = {
      {"two lanes make one image",
       {{"e", hex("41 42")}, {"o", hex("61 62")}},
       {"S", "e", "o", "img"},
       "",
       {{"img", hex("41 61 42 62")}}},
      {"empty lanes give an empty image",
       {{"e", ""}, {"o", ""}},
       {"S", "e", "o", "img"},
       "",
       {{"img", ""}}},
      {"lengths differ: the old image keeps its bytes",
       {{"e", "abc"}, {"o", "abcd"}, {"img", "old"}},
       {"S", "e", "o", "img"},
       "Files are not same size\n",
       {}},
      {"first lane missing",
       {{"o", "ab"}},
       {"S", "e", "o", "img"},
       "Can't open file\nFiles are not same size\n",
       {}},
      {"both lanes missing measure alike, then fail to open",
       {},
       {"S", "e", "o", "img"},
       "Can't open file\nCan't open file\nCan't open file\n",
       {}},
      {"image named as a lane is refused, not emptied",
       {{"e", "ab"}, {"o", "cd"}},
       {"S", "e", "o", "./o"},
       "error: source and destination are the same file\n",
       {}},
  };
  run_file_cases(kCases);
}

TEST(Deinterleave, ResultsAndFailures) {
  const Case kCases[] = {
      {"odd length gives the even lane one byte more",
       {{"img", hex("00 01 02 03 04")}},
       {"O", "img", "e", "o"},
       "",
       {{"e", hex("00 02 04")}, {"o", hex("01 03")}}},
      {"empty image",
       {{"img", ""}},
       {"O", "img", "e", "o"},
       "",
       {{"e", ""}, {"o", ""}}},
      {"missing image is reported twice",
       {},
       {"O", "img", "e", "o"},
       "Can't open file\nCan't open file\n",
       {}},
      {"first lane cannot be created",
       {{"img", "ab"}},
       {"O", "img", "no/e", "o"},
       "Can't open file\n",
       {}},
      {"second lane cannot be created: the first stays, empty",
       {{"img", "ab"}},
       {"O", "img", "e", "no/o"},
       "Can't create file\n",
       {{"e", ""}}},
      {"a lane named as the image is refused",
       {{"img", "abcd"}},
       {"O", "img", "e", "img"},
       "error: source and destination are the same file\n",
       {}},
  };
  run_file_cases(kCases);
}

TEST(Interleave, SplitThenJoinGivesTheImageBackAcrossBlocks) {
  // Sizes around the 1 MiB block, odd lengths included for O.
  for (size_t size : {size_t{2}, size_t{(1u << 20) - 2}, size_t{(1u << 20) + 6},
                      size_t{3u << 20}}) {
    SCOPED_TRACE(size);
    Sandbox box;
    std::string image = random_bytes(size, static_cast<uint32_t>(size));
    box.write("img", image);
    ASSERT_EQ(box.run({"O", "img", "e", "o"}).out, "");
    std::string even = box.read("e");
    std::string odd = box.read("o");
    ASSERT_EQ(even.size(), size / 2);
    for (size_t i = 0; i < size; i += 4099) {
      ASSERT_EQ((i % 2 == 0 ? even : odd)[i / 2], image[i]) << i;
    }
    EXPECT_EQ(box.run({"S", "e", "o", "back"}).out, "");
    EXPECT_TRUE(box.read("back") == image);
  }
}

}  // namespace
}  // namespace bintool::test
