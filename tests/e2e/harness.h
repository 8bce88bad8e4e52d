// Runs transcripts: shell sessions with the built bintool, and the exact
// bytes each command must print.
#ifndef BINTOOL_TESTS_E2E_HARNESS_H_
#define BINTOOL_TESTS_E2E_HARNESS_H_

#include <string>

namespace bintool::test {

/// $BINTOOL_BIN, or the binary this build made.
std::string binary_under_test();

/// Runs the transcript at `path` in a fresh temporary directory, as one bash
/// session, and reports every command whose output differs. The format is
/// described at the top of tests/cases/dispatch.t.
void run_transcript(const std::string& path);

}  // namespace bintool::test

#endif  // BINTOOL_TESTS_E2E_HARNESS_H_
