// The transcripts under tests/cases, one test each, and the README.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/harness.h"

namespace bintool::test {
namespace {

// Every transcript in tests/cases, one test each.
std::vector<std::string> transcripts() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(BINTOOL_CASES)) {
    if (entry.path().extension() == ".t") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, Runs) {
  // Named pipes, /dev/full, file size limits, terminals and FUSE are POSIX
  // only; letter case, trailing dots and drive letters are Windows' own.
  bool windows = binary_under_test().ends_with(".exe");
  if (GetParam().ends_with(windows ? "_posix" : "_windows")) {
    GTEST_SKIP();
  }
  std::string path = BINTOOL_CASES "/" + GetParam() + ".t";
  run_session(path, read_transcript(path));
}

INSTANTIATE_TEST_SUITE_P(Cases, Transcript, testing::ValuesIn(transcripts()),
                         [](const auto& param) { return param.param; });

TEST(LargeFiles, PastTwoAndFourGiB) {
  // Over 4 GiB a command may take a while (ctest --preset large runs this).
  setenv("BINTOOL_TIMEOUT", "600", 1);
  std::string path = BINTOOL_SOURCE "/tests/large/large.t";
  run_session(path, read_transcript(path));
}

TEST(Readme, ExamplesPrintWhatItShows) {
  // The examples write their results where the README says, from the
  // repository's root; the outputs it shows are the tool's, byte for byte.
  std::string path = BINTOOL_SOURCE "/README.md";
  run_session(path, read_readme(path));
}

}  // namespace
}  // namespace bintool::test
