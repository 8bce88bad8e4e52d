// The program entry's work: usage text, help, version, or the one matching
// handler, and the exit status.
#include "app/dispatch.h"

#include <string>
#include <string_view>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/usage.h"
#include "app/version.h"
#include "io/replacement.h"
#include "io/system_error.h"

namespace bintool {
namespace {

struct Command {
  char letter;
  int (BinaryTool::*handler)(int argc, char* argv[]);
};

// In the order of the usage lines.
constexpr Command kCommands[] = {
    {'L', &BinaryTool::concatenate},
    {'R', &BinaryTool::split},
    {'U', &BinaryTool::insert},
    {'I', &BinaryTool::extract},
    {'S', &BinaryTool::interleave},
    {'O', &BinaryTool::deinterleave},
    {'T', &BinaryTool::search},
    {'K', &BinaryTool::checksum},
    {'C', &BinaryTool::compare},
    {'P', &BinaryTool::hex_view},
    {'H', &BinaryTool::hex_listing},
    {'1', &BinaryTool::heber_program_join},
    {'2', &BinaryTool::heber_program_split},
    {'3', &BinaryTool::heber_video_join},
    {'4', &BinaryTool::heber_video_split},
};

char ascii_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void dispatch(int argc, char* argv[]) {
  BinaryTool tool;
  // With no arguments at all, argv[0] is the null that ends the vector.
  std::string_view program = argv[0] != nullptr ? argv[0] : "";
  if (argc < 2) {
    print(usage_text(program));
    return;
  }
  std::string_view first = argv[1];
  if (first == "--help" || first == "-h") {
    print(help_text(program));
    return;
  }
  if (first == "--version") {
    print(std::string("bintool ") + kVersion + "\n");
    return;
  }
  // Every letter is compared, even after a match; the letters are distinct,
  // so at most one handler runs.
  bool matched = false;
  for (const Command& command : kCommands) {
    if (letter_matches(argv[1], command.letter)) {
      matched = true;
      (tool.*command.handler)(argc, argv);
    }
  }
  // Nothing on standard output, as ever; standard error says why.
  if (!matched) {
    fail(no_command(first));
  }
}

}  // namespace

bool letter_matches(const char* argument, char letter) {
  return argument != nullptr && argument[0] != '\0' && argument[1] == '\0' &&
         ascii_upper(argument[0]) == letter;
}

int run(int argc, char* argv[]) {
  begin_output();
  begin_failures();
  dispatch(argc, argv);
  // A new file that a failed conversion in place could not remove again.
  for (const LeftBehind& left : take_left_behind()) {
    say_error(left.name + ": not removed: " + system_error_text(left.error));
  }
  close_output();
  return exit_status();
}

}  // namespace bintool
