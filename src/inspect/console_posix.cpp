// The pause prompt's key on POSIX: a terminal, or a pipe.
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>

#include "inspect/console.h"
#include "io/signals.h"

namespace bintool {
namespace {

// Kept where a signal handler can reach them.
struct termios g_saved_mode;
struct termios g_raw_mode;
volatile sig_atomic_t g_waiting = 0;  // the prompt waits for its key

// What a signal that ends the process does first.
void restore_mode() { tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode); }

// Single keys again once the process goes on after a stop.
extern "C" void resume_raw(int) {
  if (g_waiting != 0) {
    tcsetattr(STDIN_FILENO, TCSANOW, &g_raw_mode);
  }
}

// Ctrl-Z: stops with the terminal as it was found, as a shell expects it,
// and makes it raw again on the way on. Where the kernel discards the stop
// (a process group orphaned from its shell), that is at once.
extern "C" void stop_in_saved_mode(int signal_number) {
  int saved_errno = errno;
  restore_mode();
  struct sigaction own {};
  struct sigaction stop {};
  stop.sa_handler = SIG_DFL;
  sigaction(signal_number, &stop, &own);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  sigaddset(&unblocked, signal_number);
  sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
  std::raise(signal_number);
  sigaction(signal_number, &own, nullptr);
  resume_raw(SIGCONT);
  errno = saved_errno;
}

// The stop and the going on, which the prompt catches while it waits, and
// what they did before it. A stop the process was started ignoring stays
// ignored.
constexpr int kCaughtSignals[] = {SIGTSTP, SIGCONT};
struct sigaction g_before[std::size(kCaughtSignals)];

// Interrupted calls go on (SA_RESTART): a key read, or a write to the
// terminal, survives a stop and a continue.
void install(int signal_number, void (*handler)(int),
             struct sigaction& before) {
  sigaction(signal_number, nullptr, &before);
  if (before.sa_handler == SIG_IGN) {
    return;
  }
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = SA_RESTART;
  sigaction(signal_number, &action, nullptr);
}

int read_byte() {
  unsigned char byte = 0;
  return read(STDIN_FILENO, &byte, 1) == 1 ? byte : -1;
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
  g_raw_mode = g_saved_mode;
  g_raw_mode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  g_raw_mode.c_cc[VMIN] = 1;
  g_raw_mode.c_cc[VTIME] = 0;
  // Only while the prompt waits: after it, signals do what they did before.
  install(SIGTSTP, stop_in_saved_mode, g_before[0]);
  install(SIGCONT, resume_raw, g_before[1]);
  restore_on_signal(restore_mode);
  g_waiting = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &g_raw_mode);
}

RawKeyboard::~RawKeyboard() {
  if (!terminal_) {
    return;
  }
  g_waiting = 0;
  restore_mode();
  restore_on_signal(nullptr);
  for (size_t i = 0; i < std::size(kCaughtSignals); ++i) {
    sigaction(kCaughtSignals[i], &g_before[i], nullptr);
  }
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
