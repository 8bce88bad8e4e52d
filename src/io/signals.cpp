// What a signal that ends the process undoes first: the table every system
// shares; signals_posix.cpp and signals_win32.cpp catch the signals.
#include "io/signals.h"

#include <csignal>
#include <cstring>

#include "io/signals_platform.h"

namespace bintool {
namespace {

// A handler may not allocate, so the table is fixed: as large as a run
// needs, one file replaced at a time. An entry is written whole before it
// counts as used.
constexpr size_t kLongestName = 4096;
struct Tracked {
  volatile std::sig_atomic_t used;
  int folder;
  char name[kLongestName];
};
Tracked g_tracked[1];
void (*volatile g_restore)() = nullptr;

}  // namespace

void undo_on_signal() {
  for (Tracked& tracked : g_tracked) {
    if (tracked.used != 0) {
      remove_tracked(tracked.folder, tracked.name);
    }
  }
  if (void (*restore)() = g_restore) {
    restore();
  }
}

int track(const Folder& folder, const std::string& name) {
  catch_fatal_signals();
  std::string whole = tracked_name(folder, name);
  for (size_t entry = 0; entry < std::size(g_tracked); ++entry) {
    Tracked& tracked = g_tracked[entry];
    if (tracked.used != 0) {
      continue;
    }
    if (whole.size() >= kLongestName) {
      tracking_failed(false);
      return -1;
    }
    tracked.folder = folder.descriptor();
    std::memcpy(tracked.name, whole.c_str(), whole.size() + 1);
    tracked.used = 1;
    return static_cast<int>(entry);
  }
  tracking_failed(true);
  return -1;
}

void forget(int entry) {
  SignalsHeld held;
  g_tracked[entry].used = 0;
}

void restore_on_signal(void (*restore)()) {
  catch_fatal_signals();
  SignalsHeld held;
  g_restore = restore;
}

}  // namespace bintool
