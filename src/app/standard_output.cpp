// Standard output, and its failure said on standard error.
#include "app/standard_output.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/messages.h"
#include "io/standard_descriptors.h"

namespace bintool {
namespace {

// How the run stands; every run starts from the zeros (begin_output).
struct RunState {
  bool output_failed;
  bool ended;
};
RunState g_run;

}  // namespace

void output_failed(int error) {
  if (!g_run.output_failed && !reader_gone(error)) {
    std::fputs(kCantWriteToFile, stderr);
  }
  g_run.output_failed = true;
}

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
    output_failed(errno);
    return false;
  }
  return true;
}

bool flush_output() {
  if (std::fflush(stdout) == 0) {
    return true;
  }
  output_failed(errno);
  return false;
}

void end_output() { g_run.ended = true; }

bool run_over() { return g_run.output_failed || g_run.ended; }

void close_output() {
  if (!flush_output()) {
    return;
  }
  // Closing a second descriptor of standard output asks the system for
  // everything closing it would report.
#ifdef _WIN32
  int copy = _dup(_fileno(stdout));
  if (copy >= 0 && _close(copy) != 0) {
#else
  int copy = dup(fileno(stdout));
  if (copy >= 0 && close(copy) != 0) {
#endif
    output_failed(errno);
  }
}

void begin_output() {
  std::clearerr(stdout);
  g_run = {};
}

}  // namespace bintool
