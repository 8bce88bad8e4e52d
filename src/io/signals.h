// What a signal that ends the process undoes first: the new file of a
// replacement not yet done, and a terminal left in single-key mode.
#ifndef BINTOOL_IO_SIGNALS_H_
#define BINTOOL_IO_SIGNALS_H_

#include <string>

#include "io/folder.h"

namespace bintool {

// From the first call of track() or restore_on_signal(), every signal whose
// default action ends the process (HUP, INT, QUIT, TERM, ALRM, USR1, USR2,
// XCPU, VTALRM, PROF; on Windows Ctrl-C, Ctrl-Break and closing the console)
// first removes the tracked file and restores what was asked, then ends the
// process as that signal would have. A signal the process was started
// ignoring stays ignored.

/// While it lives, those signals wait (they are blocked), so that the table
/// below and the file it names change together: a file made under it is
/// tracked before any signal is handled. Windows' console handler runs on a
/// thread of its own and reads an entry only once it is whole.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  alignas(8) unsigned char before_[128];  // the signal mask it puts back
};

/// Has such a signal remove `name` in `folder` until forget(). Call it under
/// SignalsHeld, before the file is made. Returns the entry; -1 when the
/// table is full (a run replaces one file at a time; EMFILE) or the name
/// does not fit (ENAMETOOLONG), and then nothing may be made.
int track(const Folder& folder, const std::string& name);
void forget(int entry);

/// Calls `restore` (which only makes system calls) if such a signal comes
/// before restore_on_signal(nullptr).
void restore_on_signal(void (*restore)());

}  // namespace bintool

#endif  // BINTOOL_IO_SIGNALS_H_
