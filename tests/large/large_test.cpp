// Files past 2 and 4 GiB, where 32-bit lengths and offsets would break.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "e2e/harness.h"

TEST(LargeFiles, PastTwoAndFourGiB) {
  // A command may take a while over 4 GiB.
  setenv("BINTOOL_TIMEOUT", "600", 1);
  std::string path = BINTOOL_LARGE "/large.t";
  bintool::test::run_session(path, bintool::test::read_transcript(path));
}
