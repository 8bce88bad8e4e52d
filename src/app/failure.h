// A failure as the layer that met it reports it, and the one place that
// says it: the text users have always read on standard output, one line on
// standard error naming the file and what the system said, and the exit
// status.
#ifndef BINTOOL_APP_FAILURE_H_
#define BINTOOL_APP_FAILURE_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "io/file.h"

namespace bintool {

/// What went wrong. Built by the functions below, which hold every form the
/// standard error line takes.
struct Failure {
  std::string message;  // standard output's text, as always; empty: none
  std::string reason;   // standard error's line after "bintool: "; empty:
                        // none (the failure concerns no file)
};

/// A failure that concerns no file: too few arguments, a pattern, memory.
Failure plain(std::string message);

/// What the system said of `file` (io/system_error.h): "FILE: its words".
Failure file_failure(std::string message, std::string_view file, int error);

/// "Can't read file\n" and "Can't write to file\n", of `file` named `name`;
/// a file that gave fewer bytes than it has, without an error, "ended
/// early".
Failure read_failure(std::string_view name, const File& file);
Failure write_failure(std::string_view name, const File& file);

/// Two names of one file: "A and B are one file".
Failure one_file(std::string message, std::string_view a, std::string_view b);

/// A source whose name leads to another file now: "A was replaced
/// meanwhile".
Failure replaced(std::string message, std::string_view a);

/// Two files whose lengths must agree: "A (N bytes) and B (M bytes) differ
/// in length".
Failure lengths_differ(std::string message, std::string_view a,
                       int64_t a_length, std::string_view b, int64_t b_length);

/// EPROM images whose length is odd: "A and B have an odd length (N bytes)".
Failure odd_length(std::string message, std::string_view a, std::string_view b,
                   int64_t length);

/// Sources with no byte to convert, said on standard error alone: "A is
/// empty", "A and B are empty".
Failure empty_sources(std::string_view a, std::string_view b = {});

/// Sources too large to convert: "A is 2 GiB or more", "A and B are 1 GiB
/// or more".
Failure too_large(std::string message, std::string_view size,
                  std::string_view a, std::string_view b = {});

/// A first argument that is no command, said on standard error alone.
Failure no_command(std::string_view argument);

/// Says `failure`: standard output's text, then (standard output flushed
/// first, so that the two read in order where they meet) "bintool: " and
/// the reason on standard error. The run ends with status 1. Returns the
/// handlers' result for a reported failure, -1.
int fail(const Failure& failure);

/// Says a line on standard error that belongs to no failure of the command
/// ("bintool: " before it), and has the run end with status 1.
void say_error(std::string_view reason);

/// 1 once anything failed in this run (fail(), say_error(), a failing
/// standard output), else 0; a new run starts from 0 (begin_output).
int exit_status();

/// Forgets the last run's failures.
void begin_failures();

}  // namespace bintool

#endif  // BINTOOL_APP_FAILURE_H_
