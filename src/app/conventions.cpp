// Conventions every command handler shares: argument counts, messages and
// how a run ends.
#include "app/conventions.h"

#include <cstdio>

#include "app/file.h"
#include "app/messages.h"

namespace bintool {

void print(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void require_args(int argc, int minimum, const char* message) {
  if (argc < minimum) {
    print(message);
    end_run();
  }
}

int fail(const char* message) {
  print(message);
  return -1;
}

bool refuse_same_file(const char* source, const char* destination) {
  if (!same_file(source, destination)) {
    return false;
  }
  print(kSameFile);
  return true;
}

}  // namespace bintool
