// Catching Ctrl-C, Ctrl-Break and the console's close, on Windows.
#include <windows.h>

#include "io/signals.h"
#include "io/signals_platform.h"

namespace bintool {
namespace {

// Runs on a thread of its own; FALSE lets the system end the process.
BOOL WINAPI undo_and_end(DWORD) {
  undo_on_signal();
  return FALSE;
}

}  // namespace

// The handler thread reads an entry only once it is whole: nothing to hold.
SignalsHeld::SignalsHeld() {}
SignalsHeld::~SignalsHeld() {}

void catch_fatal_signals() {
  static bool caught = false;
  if (!caught) {
    caught = SetConsoleCtrlHandler(undo_and_end, TRUE) != 0;
  }
}

void remove_tracked(int, const char* name) { DeleteFileA(name); }

std::string tracked_name(const Folder& folder, const std::string& name) {
  return folder.path() + name;
}

void tracking_failed(bool table_full) {
  SetLastError(table_full ? ERROR_TOO_MANY_OPEN_FILES
                          : ERROR_FILENAME_EXCED_RANGE);
}

}  // namespace bintool
