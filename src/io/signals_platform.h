// Between the signal table (signals.cpp) and the system's way of catching
// signals (signals_posix.cpp, signals_win32.cpp); nothing else includes it.
#ifndef BINTOOL_IO_SIGNALS_PLATFORM_H_
#define BINTOOL_IO_SIGNALS_PLATFORM_H_

#include <string>

#include "io/folder.h"

namespace bintool {

/// Has every signal that ends the process call undo_on_signal() first; once
/// a run.
void catch_fatal_signals();

/// Removes the tracked name `name` in the folder `folder` (its descriptor on
/// POSIX); only calls a signal handler may make.
void remove_tracked(int folder, const char* name);

/// How the system names a file of `folder` for remove_tracked: the name
/// alone beside a descriptor, the whole path on Windows.
std::string tracked_name(const Folder& folder, const std::string& name);

/// Says why track() could not: the table is full, or the name too long.
void tracking_failed(bool table_full);

/// What the handler does first: removes what is tracked, restores the rest.
void undo_on_signal();

}  // namespace bintool

#endif  // BINTOOL_IO_SIGNALS_PLATFORM_H_
