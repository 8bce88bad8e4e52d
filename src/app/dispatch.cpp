// The program entry's work: usage text or the one matching handler.
#include "app/dispatch.h"

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/usage.h"

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

}  // namespace

bool letter_matches(const char* argument, char letter) {
  return argument != nullptr && argument[0] != '\0' && argument[1] == '\0' &&
         ascii_upper(argument[0]) == letter;
}

void run(int argc, char* argv[]) {
  begin_output();
  BinaryTool tool;
  if (argc < 2) {
    // With no arguments at all, argv[0] is the null that ends the vector.
    print(usage_text(argv[0] != nullptr ? argv[0] : ""));
    return;
  }
  // Every letter is compared, even after a match; the letters are distinct,
  // so at most one handler runs. Its result never changes the exit status,
  // and a handler that ends the run early (too few arguments, ESC at the
  // prompt) simply returns.
  for (const Command& command : kCommands) {
    if (letter_matches(argv[1], command.letter)) {
      (tool.*command.handler)(argc, argv);
    }
  }
}

}  // namespace bintool
