// Conventions every command handler shares: argument counts, messages and
// how a run ends.
#include "app/conventions.h"

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

Buffer block_or_fail(size_t size) {
  Buffer block = Buffer::allocate(size);
  if (!block) {
    print(kCantCreateBuffer);
  }
  return block;
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
