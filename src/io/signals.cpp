// What a signal that ends the process undoes first.
#include "io/signals.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bintool {
namespace {

// A fixed table, since a handler may not allocate; an entry is written
// whole before it counts as used.
constexpr size_t kLongestName = 4096;
struct Pending {
  volatile std::sig_atomic_t used;
  char name[kLongestName];
};
Pending g_pending[4];
void (*volatile g_restore)() = nullptr;

void undo() {
  for (Pending& pending : g_pending) {
    if (pending.used != 0) {
#ifdef _WIN32
      DeleteFileA(pending.name);
#else
      unlink(pending.name);
#endif
    }
  }
  if (void (*restore)() = g_restore) {
    restore();
  }
}

#ifdef _WIN32
// Runs on a thread of its own; FALSE lets the system end the process.
BOOL WINAPI undo_and_end(DWORD) {
  undo();
  return FALSE;
}

void catch_signals() {
  static bool caught = false;
  if (!caught) {
    caught = SetConsoleCtrlHandler(undo_and_end, TRUE) != 0;
  }
}
#else
constexpr int kFatal[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,   SIGALRM,
                          SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF};

sigset_t fatal_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kFatal) {
    sigaddset(&set, signal);
  }
  return set;
}

extern "C" void undo_and_end(int signal) {
  undo();
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  sigaddset(&unblocked, signal);
  sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
  raise(signal);
}

void catch_signals() {
  static bool caught = false;
  if (caught) {
    return;
  }
  caught = true;
  struct sigaction action {};
  action.sa_handler = undo_and_end;
  action.sa_mask = fatal_set();
  // Only where the signal still does what it does by default: not one
  // the process was started ignoring, nor one a host (a fuzzer) handles.
  for (int signal : kFatal) {
    struct sigaction before {};
    if (sigaction(signal, nullptr, &before) == 0 &&
        before.sa_handler == SIG_DFL) {
      sigaction(signal, &action, nullptr);
    }
  }
}

#endif

// The table changes with the signals held, so that a handler never sees half
// an entry. Windows' handler thread reads an entry only once it is used.
class SignalsHeld {
 public:
#ifdef _WIN32
  SignalsHeld() {}
#else
  SignalsHeld() {
    sigset_t held = fatal_set();
    sigprocmask(SIG_BLOCK, &held, &before_);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

 private:
  sigset_t before_{};
#endif
};

}  // namespace

int remove_on_signal(const char* name, const std::function<bool()>& make) {
  catch_signals();
  size_t size = std::strlen(name);
  SignalsHeld held;
  // A free entry first, so that nothing is made that could not be named.
  size_t slot = 0;
  while (slot < std::size(g_pending) && g_pending[slot].used != 0) {
    ++slot;
  }
  if (slot == std::size(g_pending) || size >= kLongestName) {
    errno = ENAMETOOLONG;
    return -1;
  }
  if (!make()) {
    return -1;
  }
  std::memcpy(g_pending[slot].name, name, size + 1);
  g_pending[slot].used = 1;
  return static_cast<int>(slot);
}

void forget_on_signal(int slot) {
  SignalsHeld held;
  g_pending[slot].used = 0;
}

void restore_on_signal(void (*restore)()) {
  catch_signals();
  SignalsHeld held;
  g_restore = restore;
}

}  // namespace bintool
