// Conventions every command handler shares: argument counts, messages and
// how a run ends.
#ifndef BINTOOL_APP_CONVENTIONS_H_
#define BINTOOL_APP_CONVENTIONS_H_

#include <string_view>

namespace bintool {

/// Flushes standard output and ends the process with status 0. The only way
/// a command ends the process early; open streams are flushed by the C
/// library on the way out. Defined alone in end_run.cpp, so that a fuzzing
/// build can end a run without ending the process.
[[noreturn]] void end_run();

/// Writes `text` to standard output as it stands, NUL bytes included.
void print(std::string_view text);

/// Checks the argument count before anything is touched: below `minimum`
/// prints `message` and ends the run.
void require_args(int argc, int minimum, const char* message);

/// Prints `message` and returns -1, the result of a reported failure. Every
/// stream the handler holds is closed when the handler returns.
int fail(const char* message);

/// The fix for commands that would empty a file they still have to read:
/// true (after printing the refusal) when `destination` is the same existing
/// file as `source`.
bool refuse_same_file(const char* source, const char* destination);

}  // namespace bintool

#endif  // BINTOOL_APP_CONVENTIONS_H_
