// Standard output: every message and listing goes there, and a failing
// output is said once on standard error.
#ifndef BINTOOL_APP_STANDARD_OUTPUT_H_
#define BINTOOL_APP_STANDARD_OUTPUT_H_

#include <string_view>

namespace bintool {

/// Flushes standard output and ends the process with status 0: how every
/// run ends, early or not. Defined alone in end_run.cpp, so that a fuzzing
/// build can end a run without ending the process.
[[noreturn]] void end_run();

/// Writes `text` to standard output as it stands, NUL bytes included. When
/// standard output fails, ends the run.
void print(std::string_view text);

/// Writes out what standard output holds; false when that fails, after
/// output_failed has said why.
bool flush_output();

/// A write to standard output failed with `error` (an errno value): says
/// "Can't write to file" on standard error, the one message the tool ever
/// writes there, and only once, unless the reader has gone away (EPIPE),
/// which is no failure anybody needs to hear of.
void output_failed(int error);

}  // namespace bintool

#endif  // BINTOOL_APP_STANDARD_OUTPUT_H_
