// Runs transcripts: shell sessions with the built bintool, and the exact
// bytes each command must print.
#ifndef BINTOOL_TESTS_E2E_HARNESS_H_
#define BINTOOL_TESTS_E2E_HARNESS_H_

#include <string>
#include <vector>

namespace bintool::test {

/// $BINTOOL_BIN, or the binary this build made.
std::string binary_under_test();

/// A command and what it prints; with `prefix`, what its output starts with.
struct Command {
  int line;
  std::string text;
  std::string expected;
  bool prefix = false;
};

/// The commands of a transcript (the format: tests/cases/dispatch.t).
std::vector<Command> read_transcript(const std::string& path);

/// The README's examples: each block of indented `build/release/bintool`
/// and `printf` lines, and what the fenced block after it shows (nothing
/// when none follows; a last line "..." stands for whatever follows).
std::vector<Command> read_readme(const std::string& path);

/// Runs `commands` as one bash session in a fresh folder and reports, under
/// `name`, each output that differs, and a command still running after
/// $BINTOOL_TIMEOUT seconds (20), which ends the session and all it started.
void run_session(const std::string& name, const std::vector<Command>& commands);

}  // namespace bintool::test

#endif  // BINTOOL_TESTS_E2E_HARNESS_H_
