// The transcripts under tests/cases, one test each.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/harness.h"

namespace bintool::test {
namespace {

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, Runs) {
  // Named pipes, /dev/full, file size limits, terminals and FUSE are POSIX
  // only; CI installs FUSE, and must run the failing medium.
  if (GetParam().ends_with("_posix") && binary_under_test().ends_with(".exe")) {
    GTEST_SKIP();
  }
  if (GetParam() == "media_posix" &&
      std::system("test -r /dev/fuse && /usr/bin/python3 -c 'import fusepy' "
                  "2>/dev/null") != 0) {
    ASSERT_EQ(std::getenv("CI"), nullptr) << "no FUSE here";
    GTEST_SKIP() << "no FUSE here (/dev/fuse and Debian's python3-fusepy)";
  }
  run_transcript(BINTOOL_CASES "/" + GetParam() + ".t");
}

INSTANTIATE_TEST_SUITE_P(Cases, Transcript,
                         testing::Values("dispatch", "assemble", "lanes",
                                         "inspect", "hostile_posix",
                                         "terminal_posix", "media_posix"),
                         [](const auto& param) { return param.param; });

}  // namespace
}  // namespace bintool::test
