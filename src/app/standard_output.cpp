// Standard output, and its failure said on standard error.
#include "app/standard_output.h"

#include <cerrno>
#include <cstdio>

#include "app/messages.h"
#include "io/file.h"

namespace bintool {
namespace {

bool g_output_failed = false;

}  // namespace

void output_failed(int error) {
  if (!g_output_failed && !reader_gone(error)) {
    std::fputs(kCantWriteToFile, stderr);
  }
  g_output_failed = true;
}

void print(std::string_view text) {
  // Nobody reads what follows a failed write (a full disk, a reader that
  // went away), so the run ends there.
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
    output_failed(errno);
    end_run();
  }
}

bool flush_output() {
  if (std::fflush(stdout) == 0) {
    return true;
  }
  output_failed(errno);
  return false;
}

}  // namespace bintool
