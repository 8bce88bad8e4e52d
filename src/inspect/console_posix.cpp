// The pause prompt's key on POSIX terminals and pipes.
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>

#include "inspect/console.h"

namespace bintool {
namespace {

constexpr int kRestoredSignals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP};

struct termios g_saved_mode;

// Puts the terminal back as it was, then lets the signal do what it always
// does (end or stop the process).
extern "C" void restore_and_reraise(int signal_number) {
  tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

int read_byte(int fd) {
  unsigned char byte = 0;
  ssize_t got;
  do {
    got = read(fd, &byte, 1);
  } while (got < 0 && errno == EINTR);
  return got == 1 ? byte : -1;
}

// A lone ESC is the key; ESC followed at once by more bytes is a function
// or cursor key, whose sequence is swallowed whole.
int read_terminal_key() {
  int key = read_byte(STDIN_FILENO);
  if (key != kEscapeKey) {
    return key;
  }
  pollfd pending{STDIN_FILENO, POLLIN, 0};
  if (poll(&pending, 1, 50) <= 0) {
    return key;
  }
  unsigned char rest[32];
  while (poll(&pending, 1, 10) > 0) {
    if (read(STDIN_FILENO, rest, sizeof rest) <= 0) {
      break;
    }
  }
  return 0;
}

}  // namespace

int read_key() {
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &g_saved_mode) != 0) {
    return read_byte(STDIN_FILENO);
  }
  struct sigaction restore {};
  restore.sa_handler = restore_and_reraise;
  sigemptyset(&restore.sa_mask);
  struct sigaction previous[std::size(kRestoredSignals)];
  for (size_t i = 0; i < std::size(kRestoredSignals); ++i) {
    sigaction(kRestoredSignals[i], &restore, &previous[i]);
  }
  struct termios raw = g_saved_mode;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  int key = read_terminal_key();
  tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode);
  for (size_t i = 0; i < std::size(kRestoredSignals); ++i) {
    sigaction(kRestoredSignals[i], &previous[i], nullptr);
  }
  return key;
}

}  // namespace bintool
