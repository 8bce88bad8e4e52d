// What a signal that ends the process undoes first: the new files of
// replacements not yet done, and a terminal left in single-key mode.
#ifndef BINTOOL_IO_SIGNALS_H_
#define BINTOOL_IO_SIGNALS_H_

#include <functional>

namespace bintool {

/// From the first call of either function below, every signal whose default
/// action ends the process (HUP, INT, QUIT, TERM, ALRM, USR1, USR2, XCPU,
/// VTALRM, PROF; on Windows Ctrl-C, Ctrl-Break and closing the console)
/// first removes the files named here and restores what was asked, then
/// ends the process as that signal would have. A signal the process was
/// started ignoring stays ignored.

/// Makes the file `name` with make(), which says whether it did, and removes
/// it if such a signal comes before forget_on_signal(slot); no signal comes
/// between the two. Returns the slot; -1 when make() failed (errno says
/// why), or, before anything is made, when the name is too long or four
/// wait already (errno ENAMETOOLONG).
int remove_on_signal(const char* name, const std::function<bool()>& make);
void forget_on_signal(int slot);

/// Calls `restore` (which only makes system calls) if such a signal comes
/// before restore_on_signal(nullptr).
void restore_on_signal(void (*restore)());

}  // namespace bintool

#endif  // BINTOOL_IO_SIGNALS_H_
