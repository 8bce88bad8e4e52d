// Conventions every command handler shares: argument counts, messages and
// how a run ends.
#include "app/conventions.h"

#include <cstdio>

#include "app/messages.h"
#include "io/file.h"

namespace bintool {

void print(std::string_view text) {
  // Nobody reads what follows a failed write (a full disk, a reader that
  // went away), so the run ends there.
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
      std::ferror(stdout) != 0) {
    end_run();
  }
}

void require_args(int argc, int minimum, const char* message) {
  if (argc < minimum) {
    print(message);
    end_run();
  }
}

int fail(const char* message) {
  print(message);
  return kFailed;
}

int fail_copy(CopyEnd end) {
  return fail(end == CopyEnd::kReadFailed ? kCantReadFile : kCantWriteToFile);
}

bool refuse_same_file(const char* source, const char* destination) {
  if (!same_file(source, destination)) {
    return false;
  }
  print(kSameFile);
  return true;
}

}  // namespace bintool
