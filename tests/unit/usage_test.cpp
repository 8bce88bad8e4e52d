// The usage text, which users and scripts read line by line.
#include "app/usage.h"

#include <gtest/gtest.h>

#include <vector>

namespace bintool {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

TEST(Usage, LinesHaveTheirExactLengthsAndColumns) {
  std::string text = usage_text("bintool");
  std::vector<std::string> lines = lines_of(text);
  ASSERT_EQ(lines.size(), 18u);  // "\n", the title, "\n", fifteen commands
  EXPECT_EQ(lines[0], "\n");
  EXPECT_EQ(lines[1],
            "bintool # file1 file2 ... (All numbers are HEX) - V.8.0\n");
  EXPECT_EQ(lines[2], "\n");
  const size_t kLengths[] = {71, 70, 67, 76, 67, 66, 75, 54,
                             62, 72, 60, 67, 66, 67, 65};
  const char kLetters[] = "LRUISOTKCPH1234";
  for (size_t i = 0; i < 15; ++i) {
    const std::string& line = lines[3 + i];
    SCOPED_TRACE(line);
    EXPECT_EQ(line.size(), kLengths[i]);
    EXPECT_EQ(line.substr(0, 4), "# = ");
    EXPECT_EQ(line[4], kLetters[i]);
    EXPECT_EQ(line.substr(5, 3), " - ");
    // The argument words begin in column 49.
    EXPECT_EQ(line[47], ' ');
    EXPECT_EQ(line[48], 's');
  }
  EXPECT_EQ(lines[17],
            "# = 4 - convert HEBER video 1 eprom to 2  :     "
            "sourc dest1 dest2");
  EXPECT_EQ(lines[9],
            "# = T - search in file:                         sourc 'Mi a' f ? "
            "3f 'A' 0B\n");
  EXPECT_EQ(text.size(), 53u - 2 + 7 + 71 + 70 + 67 + 76 + 67 + 66 + 75 + 54 +
                             62 + 72 + 60 + 67 + 66 + 67 + 65);
}

}  // namespace
}  // namespace bintool
