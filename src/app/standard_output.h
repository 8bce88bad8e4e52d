// Standard output: every message and listing goes there, and a failing
// output is said on standard error.
#ifndef BINTOOL_APP_STANDARD_OUTPUT_H_
#define BINTOOL_APP_STANDARD_OUTPUT_H_

#include <string_view>

namespace bintool {

/// Has standard output pass bytes on unchanged (binary on Windows, where H
/// writes its own CR LF), and a failed write fail as a write instead of
/// ending the process (SIGPIPE and SIGXFSZ ignored on POSIX), so that a
/// reader that goes away or a file size limit is said by what meets it.
void prepare_output();

/// Writes `text` to standard output as it stands, NUL bytes included. False
/// once the run is over: standard output failed (now or before), or the run
/// was ended; nothing more is written then.
bool print(std::string_view text);

/// Writes out what standard output holds; false when that fails, after
/// output_failed has said why.
bool flush_output();

/// Ends the run where it stands (ESC at the page prompt): nothing more is
/// printed, and the commands' loops stop at their next check.
void end_output();

/// True once standard output has failed or the run was ended.
bool run_over();

/// A write to standard output failed with `error` (io/system_error.h): says
/// "Can't write to file" on standard error, and what the system said, only
/// once; unless the reader has gone away, which is no failure anybody needs
/// to hear of. The run is over then.
void output_failed(int error);

/// True when standard output failed for real (not a reader gone away).
bool output_lost();

/// True when standard output and standard error are one terminal and the
/// last text printed left its line open (C's length message): a line on
/// standard error would continue it.
bool terminal_line_open();

/// How every run ends, early or not: flushes standard output and checks what
/// the system says when it is closed (a network share, or a FUSE medium,
/// may fail a write only then), saying a failure as output_failed does.
/// Standard output itself stays open, so that a fuzzing build goes the same
/// way run after run; a new run starts with begin_output.
void close_output();

/// Forgets how the last run ended.
void begin_output();

/// True when descriptors 1 and 2 are both a terminal.
bool output_and_errors_on_a_terminal();

/// Closes a second descriptor of standard output; false when the system
/// reports a failure there.
bool close_a_copy_of_output();

}  // namespace bintool

#endif  // BINTOOL_APP_STANDARD_OUTPUT_H_
