// Runs transcripts: shell sessions with the built bintool.
#include "e2e/harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
constexpr char kSkipped[] = "\n@@ bintool transcript skipped @@ ";

constexpr char kHung[] = "\n@@ bintool transcript hung @@";
constexpr char kDone[] = "\n@@ bintool transcript done @@";

}  // namespace

std::string binary_under_test() {
  const char* binary = std::getenv("BINTOOL_BIN");
  return binary != nullptr && *binary != '\0' ? fs::absolute(binary).string()
                                              : BINTOOL_BINARY;
}

std::vector<Command> read_transcript(const std::string& path) {
  // A command is "  $ " and its continuations "  > "; its output follows,
  // indented two blanks, " (no-eol)" where no line end follows. Anything
  // else is a comment.
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
      bool end = !line.ends_with(" (no-eol)");
      commands.back().expected +=
          end ? line.substr(2) + "\n" : line.substr(2, line.size() - 11);
    }
  }
  return commands;
}

std::vector<Command> read_readme(const std::string& path) {
  // The examples run from a folder that looks like the repository's root to
  // them; the results they write to /tmp go to that folder's own tmp/.
  std::vector<Command> commands = {
      {0,
       "mkdir -p build/release tmp && ln -s \"$BINTOOL_SOURCE/examples\" . &&\n"
       "echo '$BINTOOL_RUNNER \"$BINTOOL_BIN\" \"$@\"' > "
       "build/release/bintool && chmod +x build/release/bintool",
       ""}};
  std::ifstream in(path);
  bool example = false;  // a fence here shows the last example's output
  bool fenced = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.starts_with("    build/release/bintool ") ||
        line.starts_with("    printf ")) {
      if (!example) {
        commands.push_back({number, "", ""});
      }
      std::string text = line.substr(4);
      for (size_t at; (at = text.find(" /tmp/")) != std::string::npos;) {
        text.replace(at, 6, " tmp/");
      }
      commands.back().text += text + "\n";
      example = true;
    } else if (fenced) {
      fenced = line != "```";
      commands.back().prefix = commands.back().prefix || line == "...";
      if (fenced && line != "...") {
        commands.back().expected += line + "\n";
      }
    } else if (line == "```" || !line.empty()) {
      fenced = line == "```" && example;
      example = false;
    }
  }
  return commands;
}

void run_session(const std::string& name,
                 const std::vector<Command>& commands) {
  ASSERT_FALSE(commands.empty()) << name;
  std::string dir = (fs::temp_directory_path() / "bintool-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  std::string script = "source " BINTOOL_PRELUDE "\n";
  for (const Command& command : commands) {
    script += command.text +
              "\nprintf '\\n@@ bintool transcript @@ %s\\n' $?; touch $beat\n";
  }
  script += "finish\n";
  std::ofstream(dir + ".sh") << script;
  // $BINTOOL_RUNNER (an emulator) goes to the session as it is.
  setenv("BINTOOL_BIN", binary_under_test().c_str(), 1);
  setenv("FAILING_FS", BINTOOL_FAILING_FS, 1);
  setenv("BINTOOL_SOURCE", BINTOOL_SOURCE, 1);
  std::string out;
  std::string shell = "cd " + dir + " && exec setsid bash " + dir + ".sh";
  if (std::FILE* pipe = popen((shell + " </dev/null 2>&1").c_str(), "r")) {
    // The session is over at its last mark, though a process it started
    // that left its group (Wine's server) may hold the pipe for ever.
    char chunk[65536];
    for (ssize_t got; out.find(kDone) == std::string::npos &&
                      out.find(kHung) == std::string::npos &&
                      (got = read(fileno(pipe), chunk, sizeof chunk)) > 0;) {
      out.append(chunk, static_cast<size_t>(got));
    }
    pclose(pipe);
  }
  // A medium whose server was killed is still mounted, though dead, and a
  // loop device may still hold a disk image of the session's.
  std::system(("for m in $(cut -d' ' -f2 /proc/mounts | grep '^" + dir +
               "/'); do fusermount -u -z $m || umount -l $m; done 2>/dev/null;"
               " losetup -nO NAME,BACK-FILE 2>/dev/null | grep ' " +
               dir + "/' | cut -d' ' -f1 | xargs -r -n1 losetup -d")
                  .c_str());
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  fs::remove(dir + ".sh", ignored);
  size_t at = 0;
  for (const Command& command : commands) {
    std::string where =
        name + ":" + std::to_string(command.line) + ": $ " + command.text;
    size_t mark = std::min(out.find(kMark, at), out.size());
    ASSERT_LT(mark, out.find(kHung))
        << where << "\nstill running at its time limit";
    if (size_t skipped = out.find(kSkipped, at); skipped < mark) {
      GTEST_SKIP() << where << ": "
                   << out.substr(skipped + std::strlen(kSkipped))
                   << "no line after " << command.line << " ran";
    }
    size_t from = std::min(mark + std::strlen(kMark), out.size());
    size_t end = std::min(out.find('\n', from), out.size());
    std::string status = out.substr(from, end - from);
    std::string printed =
        out.substr(at, mark - at) + (status == "0" ? "" : "[" + status + "]\n");
    EXPECT_EQ(
        command.prefix ? printed.substr(0, command.expected.size()) : printed,
        command.expected)
        << where;
    at = std::min(end + 1, out.size());
  }
  EXPECT_NE(out.find(kDone, at), std::string::npos)
      << name << ": a background job was still running at its time limit";
}

}  // namespace bintool::test
