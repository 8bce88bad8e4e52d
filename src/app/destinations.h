// The files a command writes, opened before any of them is emptied, so that
// whether one is a source, or two are one file, is decided by the files
// themselves: no name, link, letter case or failed check decides it.
#ifndef BINTOOL_APP_DESTINATIONS_H_
#define BINTOOL_APP_DESTINATIONS_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "io/file.h"
#include "io/replacement.h"

namespace bintool {

/// Whether a destination that is a source is written beside it and renamed
/// over it (a conversion in place), or refused.
enum class InPlace { kNo, kYes };

/// A command's destinations, in argument order. Each is opened at once
/// without being emptied, and made where it does not exist; a named pipe
/// with no reader yet, or a name met when no descriptor is free, opens at
/// its turn instead, and is checked then. When the set ends, what this run
/// made and never started is removed, except the destinations before the
/// first that could not be had: those stay, empty, as a command that makes
/// its files one by one leaves them.
class Destinations {
 public:
  /// Every destination is held against `sources` (open or closed), which
  /// must outlive the set. `cant_have` is what start() says of a destination
  /// it cannot have; `cant_have_first`, where given, what it says of the
  /// first.
  Destinations(std::span<char* const> names,
               std::span<const File* const> sources, InPlace in_place,
               const char* cant_have, const char* cant_have_first = nullptr);
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;
  ~Destinations();

  /// Says the refusals, and returns false after one: "error: two
  /// destinations are the same file\n" when two regular destinations are one
  /// file (a device or pipe twice is no refusal), then "error: source and
  /// destination are the same file\n" when a destination is a source. In
  /// place, a regular source is no refusal: its destination is written
  /// beside it and renamed over it by finish().
  bool refuse();

  /// False when destination `i` could not be opened; it then counts as the
  /// first that could not be had, if none before it did. Says nothing: the
  /// caller says it where its command always has.
  bool ready(size_t i);

  /// Has `free_some` called before a destination opens at its turn, which
  /// may need the last free descriptor (a name met when none was free).
  void free_descriptors_with(std::function<void()> free_some) {
    free_some_ = std::move(free_some);
  }

  /// True when destination `i` replaces one of the sources.
  bool replaces(size_t i) const { return slots_[i].replaces; }

  /// Destination `i` at its turn, emptied; in place, the new file beside its
  /// source. Null after the message when it cannot be had: not opened, a
  /// late one refused, no new file beside its source, not emptied.
  File* start(size_t i);

  /// Starts the first `count` destinations at once, as start() does, but
  /// empties none before every one of them is had. False after the message
  /// of the first that cannot be had.
  bool begin(size_t count);

  /// Destination `i` once started.
  File& file(size_t i);

  /// Closes destination `i`, which is no replacement; false when the close
  /// fails.
  bool close(size_t i) { return slots_[i].file.close(); }

  /// Closes every destination, then puts the replacements in their sources'
  /// places, only once every other destination closed well; false when
  /// anything of that fails. The sources must be closed by then (Windows
  /// replaces no open file).
  bool finish();

 private:
  struct Slot {
    const char* name = nullptr;
    File file;
    std::string made;  // the name this run made it under
    bool later = false;
    bool started = false;
    bool replaces = false;
    Replacement replacement;
  };

  // Compares destination `i` with the sources and every open destination
  // before it; says a refusal.
  bool refuse_one(size_t i);
  // True after the refusal when destination `i` is a regular file that one
  // before it is too.
  bool refuse_two(size_t i);
  bool prepare(size_t i);
  bool empty(size_t i);
  bool fail(size_t i);

  std::vector<Slot> slots_;
  std::set<FileIdentity> regular_;  // of the destinations checked so far
  std::span<const File* const> sources_;
  InPlace in_place_;
  const char* cant_have_;
  const char* cant_have_first_;
  std::function<void()> free_some_;
  size_t first_failed_ = SIZE_MAX;
};

}  // namespace bintool

#endif  // BINTOOL_APP_DESTINATIONS_H_
