// Standard output, and its failure said on standard error;
// standard_output_posix.cpp and standard_output_win32.cpp hold the calls.
#include "app/standard_output.h"

#include <cstdio>
#include <string>

#include "app/failure.h"
#include "app/messages.h"
#include "io/system_error.h"

namespace bintool {
namespace {

// How the run stands; every run starts from the zeros (begin_output).
struct RunState {
  bool output_failed;
  bool output_lost;
  bool ended;
  bool line_open;
};
RunState g_run;

}  // namespace

void output_failed(int error) {
  if (g_run.output_failed) {
    return;
  }
  g_run.output_failed = true;
  if (reader_gone(error)) {
    return;
  }
  g_run.output_lost = true;
  std::fputs(kCantWriteToFile, stderr);
  say_error("standard output: " + system_error_text(error));
}

bool output_lost() { return g_run.output_lost; }

bool print(std::string_view text) {
  if (run_over()) {
    return false;
  }
  // Nobody reads what follows a failed write (a full disk, a reader that
  // went away), so the run is over there. On a terminal stdio writes a line
  // at once and returns the full count even when that fails: only its error
  // flag tells.
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
      std::ferror(stdout) != 0) {
    output_failed(last_system_error());
    return false;
  }
  if (!text.empty()) {
    g_run.line_open = text.back() != '\n';
  }
  return true;
}

bool terminal_line_open() {
  return g_run.line_open && output_and_errors_on_a_terminal();
}

bool flush_output() {
  if (std::fflush(stdout) == 0) {
    return true;
  }
  output_failed(last_system_error());
  return false;
}

void end_output() { g_run.ended = true; }

void close_output() {
  // Closing a second descriptor of standard output asks the system for
  // everything closing it would report.
  if (flush_output() && !close_a_copy_of_output()) {
    output_failed(last_system_error());
  }
}

bool run_over() { return g_run.output_failed || g_run.ended; }

void begin_output() {
  std::clearerr(stdout);
  g_run = {};
}

}  // namespace bintool
