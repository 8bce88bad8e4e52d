// Files past 2 and 4 GiB, where 32-bit lengths and offsets would break.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/harness.h"

TEST(LargeFiles, PastTwoAndFourGiB) {
  // A command may take a while over 4 GiB.
  setenv("BINTOOL_TIMEOUT", "600", 1);
  bintool::test::run_transcript(BINTOOL_LARGE "/large.t");
}
