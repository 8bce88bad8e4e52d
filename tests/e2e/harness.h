// Runs transcripts: shell sessions with the built bintool, and the exact
// bytes each command must print.
#ifndef BINTOOL_TESTS_E2E_HARNESS_H_
#define BINTOOL_TESTS_E2E_HARNESS_H_

#include <string>
#include <vector>

namespace bintool::test {

/// $BINTOOL_BIN, or the binary this build made.
std::string binary_under_test();

/// One command of a session and what it must print. `prefix`: the output
/// only has to start with `expected`.
struct Command {
  int line;
  std::string text;
  std::string expected;
  bool prefix = false;
};

/// The commands of the transcript at `path`; the format is described at the
/// top of tests/cases/dispatch.t.
std::vector<Command> read_transcript(const std::string& path);

/// The README's examples as commands, run from a scratch folder: each block
/// of indented `build/release/bintool` and `printf` lines, and the output
/// the fenced block after it shows (nothing when none follows; a last line
/// "..." stands for whatever comes after).
std::vector<Command> read_readme(const std::string& path);

/// Runs `commands` in a fresh temporary directory, as one bash session, and
/// reports, under `name`, every command whose output differs. A command that
/// is still running after $BINTOOL_TIMEOUT seconds (20) fails the session at
/// once, wherever it stands, and ends every process the session started.
void run_session(const std::string& name, const std::vector<Command>& commands);

}  // namespace bintool::test

#endif  // BINTOOL_TESTS_E2E_HARNESS_H_
