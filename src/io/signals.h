// What a signal that ends the process undoes first: the new files of
// replacements not yet done, and a terminal left in single-key mode.
#ifndef BINTOOL_IO_SIGNALS_H_
#define BINTOOL_IO_SIGNALS_H_

#ifndef _WIN32
#include <signal.h>
#endif

namespace bintool {

/// From the first call of either function below, every signal whose default
/// action ends the process (HUP, INT, QUIT, TERM, ALRM, USR1, USR2, XCPU,
/// VTALRM, PROF; on Windows Ctrl-C, Ctrl-Break and closing the console)
/// first removes the files named here and restores what was asked, then
/// ends the process as that signal would have. A signal the process was
/// started ignoring stays ignored.

/// Removes `name` if such a signal comes before forget_on_signal(slot).
/// Returns the slot; -1 when the name is too long or four are waiting
/// already. Make the file and name it here under one SignalsHeld, so that
/// no signal comes between.
int remove_on_signal(const char* name);
void forget_on_signal(int slot);

/// Calls `restore` (which only makes system calls) if such a signal comes
/// before restore_on_signal(nullptr).
void restore_on_signal(void (*restore)());

/// While it lives, the signals above wait (on Windows the handler runs on a
/// thread of its own, and nothing waits).
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

#ifndef _WIN32
 private:
  sigset_t before_{};
#endif
};

}  // namespace bintool

#endif  // BINTOOL_IO_SIGNALS_H_
