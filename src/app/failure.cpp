// A failure, and the one place that says it.
#include "app/failure.h"

#include <cinttypes>
#include <cstdio>

#include "app/messages.h"
#include "app/standard_output.h"
#include "io/system_error.h"

namespace bintool {
namespace {

bool g_failed = false;

// "A is what", "A and B are what".
std::string are(std::string_view a, std::string_view b, std::string_view what) {
  return b.empty() ? std::string(a) + " is " + std::string(what)
                   : std::string(a) + " and " + std::string(b) + " are " +
                         std::string(what);
}

std::string bytes(int64_t length) {
  char text[32];
  std::snprintf(text, sizeof text, " (%" PRId64 " byte%s)", length,
                length == 1 ? "" : "s");
  return text;
}

}  // namespace

Failure plain(std::string message) { return {std::move(message), ""}; }

Failure file_failure(std::string message, std::string_view file, int error) {
  return {std::move(message),
          std::string(file) + ": " + system_error_text(error)};
}

Failure read_failure(std::string_view name, const File& file) {
  if (file.error() == 0) {
    return {kCantReadFile, std::string(name) + " ended early"};
  }
  return file_failure(kCantReadFile, name, file.error());
}

Failure write_failure(std::string_view name, const File& file) {
  return file_failure(kCantWriteToFile, name, file.error());
}

Failure one_file(std::string message, std::string_view a, std::string_view b) {
  return {std::move(message), are(a, b, "one file")};
}

Failure replaced(std::string message, std::string_view a) {
  return {std::move(message), std::string(a) + " was replaced meanwhile"};
}

Failure lengths_differ(std::string message, std::string_view a,
                       int64_t a_length, std::string_view b, int64_t b_length) {
  return {std::move(message), std::string(a) + bytes(a_length) + " and " +
                                  std::string(b) + bytes(b_length) +
                                  " differ in length"};
}

Failure odd_length(std::string message, std::string_view a, std::string_view b,
                   int64_t length) {
  return {std::move(message), std::string(a) + " and " + std::string(b) +
                                  " have an odd length" + bytes(length)};
}

Failure empty_sources(std::string_view a, std::string_view b) {
  return {"", are(a, b, "empty")};
}

Failure too_large(std::string message, std::string_view size,
                  std::string_view a, std::string_view b) {
  return {std::move(message), are(a, b, std::string(size) + " or more")};
}

Failure no_command(std::string_view argument) {
  std::string reason = "'";
  reason.append(argument).append(
      "' is no command; run bintool without arguments for the list");
  return {"", reason};
}

int fail(const Failure& failure) {
  if (!failure.message.empty()) {
    print(failure.message);
  }
  if (!failure.reason.empty()) {
    say_error(failure.reason);
  }
  g_failed = true;
  return -1;
}

void say_error(std::string_view reason) {
  // What standard output holds goes first, as it was said first; on a
  // terminal that both share, a line it left open is ended first.
  flush_output();
  std::string line = (terminal_line_open() ? "\nbintool: " : "bintool: ") +
                     std::string(reason) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  g_failed = true;
}

int exit_status() { return g_failed || output_lost() ? 1 : 0; }

void begin_failures() { g_failed = false; }

}  // namespace bintool
