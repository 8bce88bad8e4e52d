// The files a command writes, opened before any of them is emptied, so that
// whether one is a source, or two are one file, is decided by the files
// themselves: no name, link, letter case or failed check decides it.
#ifndef BINTOOL_APP_DESTINATIONS_H_
#define BINTOOL_APP_DESTINATIONS_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/failure.h"
#include "io/file.h"
#include "io/replacement.h"

namespace bintool {

/// A file a command reads, and the name it was given as.
struct NamedFile {
  const File* file;
  const char* name;
};

/// Whether a destination that is a source is written beside it and renamed
/// over it (a conversion in place), or refused.
enum class InPlace { kNo, kYes };

/// What a command's destinations need besides their names and the sources.
struct DestinationRules {
  InPlace in_place = InPlace::kNo;
  /// Standard output's text for a destination that cannot be had ...
  const char* cant_have = nullptr;
  /// ... and for the first one, where it differs (O: "Can't open file").
  const char* cant_have_first = nullptr;
  /// Called before a destination opens at its turn, which may need the last
  /// free descriptor: L closes there the sources it can open again.
  std::function<void()> free_descriptors = {};
};

/// A command's destinations, in argument order. A command calls, in this
/// order, and the disk holds after each call:
///
///   Destinations(...)   Each destination that can open now is open for
///                       writing, not emptied; one that did not exist is
///                       made, empty. A named pipe with no reader yet, or a
///                       name met when no descriptor is free (EMFILE), waits
///                       for its turn. Nothing is written.
///   refusal()           Nothing changes; the first refusal, if any. The
///                       command stops there after one.
///   start(i), or        Destination i, at its turn: one that waited opens
///   start_together(n)   now and is checked as the others were; it is
///                       emptied, or, where it replaces a source, gets a new
///                       file beside the source, which stays as it is.
///                       start_together empties none of the first n before
///                       every one of them is had.
///   file(i)             The command writes there.
///   close(i)            R: piece i is complete.
///   finish()            Every destination closed. Where one replaces a
///                       source, every other is on the medium first; then
///                       the new file is, and takes the source's name, and
///                       that name is on the medium too.
///   ~Destinations()     What this run made and never started is removed
///                       (after a refusal, all it made), but for the rule of
///                       a destination that cannot be had (see start).
///
/// Each call that can fail returns the failure, for the command to say;
/// nothing here prints.
class Destinations {
 public:
  /// Opens every destination of `names` as said above, and holds it against
  /// `sources` (open or closed), which must outlive the set.
  Destinations(std::span<char* const> names, std::span<const NamedFile> sources,
               DestinationRules rules);
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;
  ~Destinations();

  /// "error: two destinations are the same file\n" when two regular
  /// destinations are one file (a device or pipe twice is none); then "error:
  /// source and destination are the same file\n" when a destination is a
  /// source, unless it replaces it (in place, a regular source).
  std::optional<Failure> refusal() const;

  /// The failure start(i) would meet first: destination i could not be
  /// opened, and waits for no turn.
  std::optional<Failure> unavailable(size_t i) const;

  /// True when destination i replaces a source.
  bool replaces(size_t i) const { return slots_[i].replaces; }

  /// Starts destination i (see above). When one cannot be had, the ones
  /// before it stay as they are, made ones too, as a command that makes its
  /// files one by one would have left them; what this run made after it
  /// goes.
  std::optional<Failure> start(size_t i);

  /// Starts the first `count` destinations, none emptied before every one
  /// is had: those that could not be opened are said before any that waits
  /// is opened.
  std::optional<Failure> start_together(size_t count);

  /// Destination i, once started.
  File& file(size_t i);

  /// Closes destination i, which replaces no source.
  std::optional<Failure> close(size_t i);

  /// Finishes every destination (see above); the sources must be closed by
  /// then (Windows replaces no open file).
  std::optional<Failure> finish();

 private:
  enum class State { kWaits, kOpen, kMissing, kStarted };
  struct Slot {
    const char* name = nullptr;
    File file;
    std::string made;  // the name this run made it under
    State state = State::kMissing;
    bool replaces = false;
    Replacement replacement;
  };

  // Opens `slot` as said at the constructor; `wait` at its turn.
  void open(Slot& slot, bool wait);
  // True when destinations a and b (a < b), both had, are one regular file.
  bool one_regular_file(size_t a, size_t b) const;
  // The refusal of destination i for being a source it does not replace.
  std::optional<Failure> refused_source(size_t i) const;
  std::optional<Failure> prepare(size_t i);
  std::optional<Failure> empty(size_t i);
  // Destination i cannot be had (`error`): the ones before it stay.
  Failure cant_have(size_t i, int error);
  const char* cant_have_message(size_t i) const;

  std::vector<Slot> slots_;
  std::span<const NamedFile> sources_;
  DestinationRules rules_;
  size_t keep_before_ = 0;  // what this run made before it stays
};

}  // namespace bintool

#endif  // BINTOOL_APP_DESTINATIONS_H_
