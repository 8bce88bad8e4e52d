// Runs transcripts: shell sessions with the built bintool.
#include "e2e/harness.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

extern char** environ;

namespace bintool::test {
namespace {

namespace fs = std::filesystem;

// Between the commands' outputs: it follows a line end of its own, so an
// output without one is told apart.
constexpr char kMark[] = "\n@@ bintool transcript @@ ";
constexpr char kSkipped[] = "\n@@ bintool transcript skipped @@ ";

// What every session starts with: `bintool`, and bytes to work on.
constexpr char kPrelude[] =
    R"(bintool() { $BINTOOL_RUNNER "$BINTOOL_BIN" "$@"; }
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

// Seconds a command may run: $BINTOOL_TIMEOUT, or 20.
int command_limit() {
  const char* limit = std::getenv("BINTOOL_TIMEOUT");
  return limit != nullptr && std::atoi(limit) > 0 ? std::atoi(limit) : 20;
}

// What a session printed, and the index of the command that hung, if one
// did (the count of commands: the end of the session hung).
struct Output {
  std::string text;
  std::optional<size_t> hung;
};

// Runs `script` with bash in `dir`, in a process group of its own, and
// collects what it prints. When a command prints no mark within the limit,
// the whole group is killed; so is anything the session left running.
Output run_bash(const std::string& dir, const std::string& script,
                size_t commands) {
  int pipe_ends[2];
  EXPECT_EQ(pipe(pipe_ends), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 2);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::string bash = "bash";
  std::string path = script;
  char* argv[] = {bash.data(), path.data(), nullptr};
  pid_t pid = 0;
  EXPECT_EQ(posix_spawnp(&pid, "bash", &actions, &attributes, argv, environ),
            0);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(pipe_ends[1]);
  fcntl(pipe_ends[0], F_SETFL, O_NONBLOCK);

  using Clock = std::chrono::steady_clock;
  auto limit = std::chrono::seconds(command_limit());
  Output out;
  size_t marks = 0;
  size_t searched = 0;
  auto deadline = Clock::now() + limit;
  for (bool exited = false; !exited;) {
    int status = 0;
    exited = waitpid(pid, &status, WNOHANG) == pid;
    pollfd ready{pipe_ends[0], POLLIN, 0};
    poll(&ready, 1, exited ? 0 : 100);
    char chunk[65536];
    for (ssize_t got; (got = read(pipe_ends[0], chunk, sizeof chunk)) > 0;) {
      out.text.append(chunk, static_cast<size_t>(got));
    }
    for (size_t at; (at = out.text.find(kMark, searched)) != std::string::npos;
         searched = at + 1) {
      ++marks;
      deadline = Clock::now() + limit;
    }
    if (!exited && Clock::now() > deadline) {
      out.hung = std::min(marks, commands);
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      exited = true;
    }
  }
  kill(-pid, SIGKILL);
  close(pipe_ends[0]);
  return out;
}

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
      std::string text = line.substr(2);
      bool end = !text.ends_with(" (no-eol)");
      text = end ? text : text.substr(0, text.size() - 9);
      commands.back().expected += text + (end ? "\n" : "");
    }
  }
  return commands;
}

std::vector<Command> read_readme(const std::string& path) {
  // Paths as the README gives them, from the root of the repository, with
  // results written to /tmp: here the samples are the source's and the
  // results stay in the scratch folder.
  auto adapt = [](std::string text) {
    for (auto [from, to] : {std::pair{"build/release/bintool", "bintool"},
                            {"examples/", "\"$BINTOOL_SOURCE\"/examples/"},
                            {"/tmp/", ""}}) {
      for (size_t at = 0; (at = text.find(from, at)) != std::string::npos;
           at += std::strlen(to)) {
        text.replace(at, std::strlen(from), to);
      }
    }
    return text;
  };
  std::vector<Command> commands;
  std::ifstream in(path);
  bool example = false;  // a fence now shows the last example's output
  bool fenced = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (line.starts_with("    build/release/bintool ") ||
        line.starts_with("    printf ")) {
      if (example) {
        commands.back().text += "\n" + adapt(line.substr(4));
      } else {
        commands.push_back({number, adapt(line.substr(4)), ""});
      }
      example = true;
    } else if (fenced) {
      fenced = line != "```";
      if (line == "...") {
        commands.back().prefix = true;
      } else if (fenced) {
        commands.back().expected += line + "\n";
      }
    } else if (line == "```" && example) {
      fenced = true;
      example = false;
    } else if (!line.empty()) {
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
  std::string script = kPrelude;
  for (const Command& command : commands) {
    script +=
        command.text + "\nprintf '\\n@@ bintool transcript @@ %s\\n' $?\n";
  }
  std::ofstream(dir + ".sh") << script;
  // $BINTOOL_RUNNER (an emulator) goes to the session as it is.
  setenv("BINTOOL_BIN", binary_under_test().c_str(), 1);
  setenv("FAILING_FS", BINTOOL_FAILING_FS, 1);
  setenv("BINTOOL_SOURCE", BINTOOL_SOURCE, 1);
  Output out = run_bash(dir, dir + ".sh", commands.size());
  // A medium whose server was killed is still mounted, though dead.
  std::system(("fusermount -u -z " + dir + "/m 2>/dev/null").c_str());
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  fs::remove(dir + ".sh", ignored);
  size_t at = 0;
  for (size_t i = 0; i < commands.size(); ++i) {
    const Command& command = commands[i];
    std::string where =
        name + ":" + std::to_string(command.line) + ": $ " + command.text;
    if (out.hung == i) {
      ADD_FAILURE() << where << "\nstill running after " << command_limit()
                    << " s: the session was ended";
      return;
    }
    size_t mark = std::min(out.text.find(kMark, at), out.text.size());
    if (size_t skipped = out.text.find(kSkipped, at); skipped < mark) {
      GTEST_SKIP() << name << ":" << command.line << ": "
                   << out.text.substr(skipped + std::strlen(kSkipped));
    }
    size_t from = std::min(mark + std::strlen(kMark), out.text.size());
    size_t end = std::min(out.text.find('\n', from), out.text.size());
    std::string status = out.text.substr(from, end - from);
    std::string printed = out.text.substr(at, mark - at) +
                          (status == "0" ? "" : "[" + status + "]\n");
    if (command.prefix) {
      printed = printed.substr(0, command.expected.size());
    }
    EXPECT_EQ(printed, command.expected) << where;
    at = std::min(end + 1, out.text.size());
  }
  EXPECT_NE(out.hung, commands.size())
      << name << ": the end of the session still ran after " << command_limit()
      << " s";
}

}  // namespace bintool::test
