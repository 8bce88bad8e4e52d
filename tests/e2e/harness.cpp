// Runs transcripts: shell sessions with the built bintool.
#include "e2e/harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace bintool::test {
namespace {

namespace fs = std::filesystem;

// Between the commands' outputs: it follows a line end of its own, so an
// output without one is told apart.
constexpr char kMark[] = "\n@@ bintool transcript @@ ";

// What every session starts with: `bintool`, and bytes to work on.
constexpr char kPrelude[] =
    R"(# A run that hangs ends the session: nothing after it can be trusted.
bintool() { timeout --foreground ${BINTOOL_TIMEOUT:-10} $BINTOOL_RUNNER "$BINTOOL_BIN" "$@"
  local status=$?; [ $status != 124 ] || exit 124; return $status; }
export -f bintool && export SHELL=/bin/bash
# N seeded random bytes (N hex), N copies of byte HH, bytes [AT, AT+N).
rand() { perl -e 'srand $ARGV[1]; print map { chr int rand 256 } 1 .. hex $ARGV[0]' "$@"; }
fill() { perl -e 'print chr(hex $ARGV[1]) x hex $ARGV[0]' "$@"; }
slice() { tail -c +$((0x$2 + 1)) "$1" | head -c $((0x$3)); }
# Moves files onto a medium at m/ whose reads fail from byte 0x1000 on.
medium() {
  mkdir -p .medium m && mv "$@" .medium/
  /usr/bin/python3 "$FAILING_FS" .medium m 4096 >/dev/null 2>&1 &
  for i in $(seq 1000); do [ -e "m/$1" ] && break; sleep 0.01; done
}
trap '[ -d m ] && fusermount -u m' EXIT
# Ends the session as skipped, for what this machine cannot do.
skip() { printf '\n@@ bintool transcript skipped @@ %s\n' "$*"; exit 0; }
)";
constexpr char kSkipped[] = "\n@@ bintool transcript skipped @@ ";

}  // namespace

std::string binary_under_test() {
  const char* binary = std::getenv("BINTOOL_BIN");
  return binary != nullptr && *binary != '\0' ? fs::absolute(binary).string()
                                              : BINTOOL_BINARY;
}

void run_transcript(const std::string& path) {
  // A command is "  $ " and its continuations "  > "; its output follows,
  // indented two blanks, " (no-eol)" where no line end follows. Anything
  // else is a comment.
  struct Command {
    int line;
    std::string text;
    std::string expected;
  };
  std::vector<Command> commands;
  std::ifstream in(path);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.starts_with("  $ ")) {
      commands.push_back({number, line.substr(4), ""});
    } else if (line.starts_with("  > ") && !commands.empty()) {
      commands.back().text += "\n" + line.substr(4);
    } else if (line.starts_with("  ") && !commands.empty()) {
      std::string text = line.substr(2);
      bool end = !text.ends_with(" (no-eol)");
      text = end ? text : text.substr(0, text.size() - 9);
      commands.back().expected += text + (end ? "\n" : "");
    }
  }
  ASSERT_FALSE(commands.empty()) << path;
  std::string dir = (fs::temp_directory_path() / "bintool-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  std::string script = kPrelude;
  for (const Command& command : commands) {
    script +=
        command.text + "\nprintf '\\n@@ bintool transcript @@ %s\\n' $?\n";
  }
  std::ofstream(dir + ".sh") << script;
  // $BINTOOL_RUNNER (an emulator) goes to the session as it is.
  setenv("BINTOOL_BIN", binary_under_test().c_str(), 1);
  setenv("FAILING_FS", BINTOOL_FAILING_FS, 1);
  std::string out;
  std::string shell = "cd " + dir + " && bash " + dir + ".sh </dev/null 2>&1";
  if (std::FILE* pipe = popen(shell.c_str(), "r")) {
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
      out.append(chunk, got);
    }
    pclose(pipe);
  }
  fs::remove_all(dir);
  fs::remove(dir + ".sh");
  size_t at = 0;
  for (const Command& command : commands) {
    size_t mark = std::min(out.find(kMark, at), out.size());
    if (size_t skipped = out.find(kSkipped, at); skipped < mark) {
      GTEST_SKIP() << path << ":" << command.line << ": "
                   << out.substr(skipped + std::strlen(kSkipped));
    }
    size_t from = std::min(mark + std::strlen(kMark), out.size());
    size_t end = std::min(out.find('\n', from), out.size());
    std::string status = out.substr(from, end - from);
    EXPECT_EQ(
        out.substr(at, mark - at) + (status == "0" ? "" : "[" + status + "]\n"),
        command.expected)
        << path << ":" << command.line << ": $ " << command.text;
    at = std::min(end + 1, out.size());
  }
}

}  // namespace bintool::test
