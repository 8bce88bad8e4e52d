// The pause prompt on a real terminal: one key press, no Enter, no echo,
// and the terminal left as it was found.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

#include "e2e/harness.h"

namespace bintool::test {
namespace {

// Reads what the terminal shows until `wanted` has appeared, the program
// has closed the terminal, or five seconds have passed.
std::string read_until(int master, const std::string& wanted,
                       std::string shown = "") {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (shown.find(wanted) == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) {
      continue;
    }
    char chunk[4096];
    ssize_t got = read(master, chunk, sizeof chunk);
    if (got <= 0) {
      break;
    }
    shown.append(chunk, static_cast<size_t>(got));
  }
  return shown;
}

struct Terminal {
  pid_t pid = -1;
  int master = -1;
};

Terminal start(const Sandbox& box, const std::vector<std::string>& args) {
  std::vector<std::string> words = command_line(args);
  std::vector<char*> argv = argv_of(words);
  Terminal t;
  t.pid = forkpty(&t.master, nullptr, nullptr, nullptr);
  if (t.pid == 0) {
    if (chdir(box.dir().c_str()) == 0) {
      execvp(argv[0], argv.data());
    }
    _exit(127);
  }
  return t;
}

bool canonical_with_echo(int master) {
  termios mode{};
  tcgetattr(master, &mode);
  return (mode.c_lflag & ICANON) != 0 && (mode.c_lflag & ECHO) != 0;
}

int finish(Terminal& t) {
  int status = -1;
  waitpid(t.pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Terminal, OneKeyGoesOnEscStopsAndTheModeIsRestored) {
  if (testing_windows_build()) {
    GTEST_SKIP() << "a pseudo-terminal is no Windows console; the Windows "
                    "prompt reads keys with _getch, which the emulator feeds "
                    "from no terminal";
  }
  Sandbox box;
  box.write("a", std::string(80, 'a'));
  box.write("b", std::string(80, 'b'));
  Terminal t = start(box, {"C", "a", "b"});
  ASSERT_GT(t.pid, 0);
  std::string shown = read_until(t.master, "ESC - prekid ...");
  ASSERT_NE(shown.find("000017 - 61 <> 62\r\n"), std::string::npos) << shown;
  // While the prompt waits the terminal is neither canonical nor echoing.
  EXPECT_FALSE(canonical_with_echo(t.master));
  // One key without Enter goes on, and is not echoed.
  ASSERT_EQ(write(t.master, "x", 1), 1);
  shown =
      read_until(t.master, "ESC - prekid ...", read_until(t.master, "00002F"));
  EXPECT_EQ(shown.find('x'), std::string::npos) << "the key was echoed";
  // A cursor key sends ESC [ A at once: it is a key like any other.
  ASSERT_EQ(write(t.master, "\x1b[A", 3), 3);
  shown =
      read_until(t.master, "ESC - prekid ...", read_until(t.master, "000047"));
  // A lone ESC stops the listing.
  ASSERT_EQ(write(t.master, "\x1b", 1), 1);
  shown = read_until(t.master, "000048", shown);
  EXPECT_EQ(finish(t), 0);
  EXPECT_EQ(shown.find("000048"), std::string::npos) << shown;
  EXPECT_TRUE(canonical_with_echo(t.master));
  close(t.master);
}

}  // namespace
}  // namespace bintool::test
