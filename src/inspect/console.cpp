// The pause prompt's key: POSIX terminals and pipes, Windows consoles and
// redirected input.
#include "inspect/console.h"

#ifdef _WIN32
#include <conio.h>
#include <io.h>

#include <cstdio>
#else
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#ifdef _WIN32
namespace bintool {

bool prompt_unseen() {
  return _isatty(_fileno(stdin)) != 0 && _isatty(_fileno(stdout)) == 0;
}

// The console delivers single keys without echo and without Enter by itself.
RawKeyboard::RawKeyboard() : terminal_(_isatty(_fileno(stdin)) != 0) {}

RawKeyboard::~RawKeyboard() = default;

int RawKeyboard::read_key() {
  if (!terminal_) {
    unsigned char byte = 0;
    return _read(_fileno(stdin), &byte, 1) == 1 ? byte : -1;
  }
  int key = _getch();
  // Function and cursor keys arrive as 0 or 0xE0 and a second code: a key
  // like any other, never ESC.
  if (key == 0 || key == 0xE0) {
    _getch();
    return 0;
  }
  return key;
}

}  // namespace bintool
#else
namespace bintool {
namespace {

constexpr int kRestoredSignals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGTSTP};

// Kept where a signal handler can reach it.
struct termios g_saved_mode;

// Puts the terminal back as it was, then lets the signal do what it always
// does (end or stop the process).
extern "C" void restore_and_reraise(int signal_number) {
  tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

int read_byte() {
  unsigned char byte = 0;
  ssize_t got;
  do {
    got = read(STDIN_FILENO, &byte, 1);
  } while (got < 0 && errno == EINTR);
  return got == 1 ? byte : -1;
}

}  // namespace

bool prompt_unseen() {
  return isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) == 0;
}

RawKeyboard::RawKeyboard() {
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &g_saved_mode) != 0) {
    return;
  }
  terminal_ = true;
  struct sigaction restore {};
  restore.sa_handler = restore_and_reraise;
  // They stay after the prompt: the terminal is in the saved mode then, so
  // putting it back changes nothing before the signal does what it does.
  for (int signal_number : kRestoredSignals) {
    sigaction(signal_number, &restore, nullptr);
  }
  struct termios raw = g_saved_mode;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

RawKeyboard::~RawKeyboard() {
  if (!terminal_) {
    return;
  }
  tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode);
}

int RawKeyboard::read_key() {
  int key = read_byte();
  if (!terminal_ || key != kEscapeKey) {
    return key;
  }
  // A lone ESC is the key; ESC followed at once by more bytes is a function
  // or cursor key, whose whole sequence is swallowed.
  pollfd pending{STDIN_FILENO, POLLIN, 0};
  if (poll(&pending, 1, 50) <= 0) {
    return key;
  }
  unsigned char rest[32];
  while (poll(&pending, 1, 10) > 0 &&
         read(STDIN_FILENO, rest, sizeof rest) > 0) {
  }
  return 0;
}

}  // namespace bintool
#endif
