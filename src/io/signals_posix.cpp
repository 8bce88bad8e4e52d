// Catching the signals that end the process, on POSIX.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "io/signals.h"
#include "io/signals_platform.h"

namespace bintool {
namespace {

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
  undo_on_signal();
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigaction(signal, &fallback, nullptr);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  sigaddset(&unblocked, signal);
  sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
  raise(signal);
}

}  // namespace

static_assert(sizeof(sigset_t) <= 128, "SignalsHeld keeps a sigset_t");

SignalsHeld::SignalsHeld() {
  sigset_t held = fatal_set();
  sigprocmask(SIG_BLOCK, &held, reinterpret_cast<sigset_t*>(before_));
}

SignalsHeld::~SignalsHeld() {
  sigprocmask(SIG_SETMASK, reinterpret_cast<sigset_t*>(before_), nullptr);
}

void catch_fatal_signals() {
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

void remove_tracked(int folder, const char* name) { unlinkat(folder, name, 0); }

std::string tracked_name(const Folder&, const std::string& name) {
  return name;
}

void tracking_failed(bool table_full) {
  errno = table_full ? EMFILE : ENAMETOOLONG;
}

}  // namespace bintool
