// The files a command writes, checked by the files that open.
#include "app/destinations.h"

#include <algorithm>
#include <utility>

#include "app/messages.h"
#include "io/folder.h"
#include "io/names.h"
#include "io/system_error.h"

namespace bintool {
namespace {

struct Opened {
  File file;
  std::string made;  // the name this open made, empty when the file existed
  bool waits = false;
};

// Opens `path` for writing without emptying it, and makes it where it does
// not exist: through a link to a name not made yet too, followed by hand
// (40 links, as many as the system follows), so that the file made is
// known by its own name. Without `wait`, a named pipe with no reader yet,
// or a name met when no descriptor is free (ENXIO, EMFILE), waits for its
// turn instead.
Opened open_destination(const char* path, bool wait) {
  std::string name = path;
  File file;
  for (int links = 0; links <= 40; ++links) {
    file = File::open(name.c_str(),
                      wait ? Role::kDestination : Role::kDestinationNow);
    if (file || !not_found(file.error())) {
      break;
    }
    file = File::open(name.c_str(), Role::kNew);
    if (file) {
      std::optional<std::string> made = final_name(file, name.c_str());
      return {std::move(file), made.value_or(""), false};
    }
    std::optional<std::string> target;
    if (!name_taken(file.error()) || !(target = link_target(name))) {
      break;
    }
    name = std::move(*target);
  }
  int error = file.error();
  bool waits =
      !file && !wait && (no_reader_yet(error) || out_of_descriptors(error));
  return {std::move(file), "", waits};
}

// Puts destination `name` on the medium, and its own name too where this run
// made it; the failure otherwise.
std::optional<Failure> store(File& file, const std::string& made,
                             const char* name) {
  if (!file.sync()) {
    return write_failure(name, file);
  }
  if (made.empty()) {
    return std::nullopt;
  }
  Folder folder = Folder::open(split_folder(made).first);
  if (folder && folder.sync()) {
    return std::nullopt;
  }
  return file_failure(kCantWriteToFile, name, folder.error());
}

}  // namespace

Destinations::Destinations(std::span<char* const> names,
                           std::span<const NamedFile> sources,
                           DestinationRules rules)
    : slots_(names.size()), sources_(sources), rules_(std::move(rules)) {
  for (size_t i = 0; i < names.size(); ++i) {
    slots_[i].name = names[i];
    open(slots_[i], false);
  }
}

Destinations::~Destinations() {
  // Every destination is closed before any is removed: exfat-fuse fails
  // (and stops) when a name is removed that another spelling holds open.
  for (Slot& slot : slots_) {
    slot.file.close();
  }
  // What this run made for nothing goes, but for those before a destination
  // that could not be had (see start).
  for (size_t i = keep_before_; i < slots_.size(); ++i) {
    Slot& slot = slots_[i];
    if (slot.state == State::kOpen && !slot.made.empty()) {
      auto [folder, name] = split_folder(slot.made);
      Folder::open(folder).remove(name, slot.file);
    }
  }
}

void Destinations::open(Slot& slot, bool wait) {
  Opened opened = open_destination(slot.name, wait);
  slot.file = std::move(opened.file);
  slot.made = std::move(opened.made);
  slot.state = slot.file      ? State::kOpen
               : opened.waits ? State::kWaits
                              : State::kMissing;
  // In place, a destination that is a regular source replaces it.
  for (const NamedFile& source : sources_) {
    if (rules_.in_place == InPlace::kYes && source.file->regular() &&
        same_file(*source.file, slot.file)) {
      slot.replaces = true;
    }
  }
}

std::optional<Failure> Destinations::refusal() const {
  for (size_t i = 0; i < slots_.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (one_regular_file(j, i)) {
        return one_file(kTwoDestinations, slots_[j].name, slots_[i].name);
      }
    }
  }
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (std::optional<Failure> refused = refused_source(i)) {
      return refused;
    }
  }
  return std::nullopt;
}

bool Destinations::one_regular_file(size_t a, size_t b) const {
  auto had = [](const Slot& slot) {
    return slot.state == State::kOpen || slot.state == State::kStarted;
  };
  return had(slots_[a]) && had(slots_[b]) && slots_[a].file.regular() &&
         slots_[b].file.regular() && same_file(slots_[a].file, slots_[b].file);
}

std::optional<Failure> Destinations::refused_source(size_t i) const {
  const Slot& slot = slots_[i];
  for (const NamedFile& source : sources_) {
    if (!slot.replaces && same_file(*source.file, slot.file)) {
      return one_file(kSameFile, source.name, slot.name);
    }
  }
  return std::nullopt;
}

std::optional<Failure> Destinations::unavailable(size_t i) const {
  if (slots_[i].state != State::kMissing) {
    return std::nullopt;
  }
  return file_failure(cant_have_message(i), slots_[i].name,
                      slots_[i].file.error());
}

const char* Destinations::cant_have_message(size_t i) const {
  return i == 0 && rules_.cant_have_first != nullptr ? rules_.cant_have_first
                                                     : rules_.cant_have;
}

Failure Destinations::cant_have(size_t i, int error) {
  keep_before_ = i;
  return file_failure(cant_have_message(i), slots_[i].name, error);
}

std::optional<Failure> Destinations::prepare(size_t i) {
  Slot& slot = slots_[i];
  if (slot.state == State::kWaits) {
    // Its first look comes now: the same checks as the others had.
    if (rules_.free_descriptors) {
      rules_.free_descriptors();
    }
    open(slot, true);
    for (size_t j = 0; slot.state == State::kOpen && j < slots_.size(); ++j) {
      if (j != i && one_regular_file(std::min(i, j), std::max(i, j))) {
        return one_file(kTwoDestinations, slots_[std::min(i, j)].name,
                        slots_[std::max(i, j)].name);
      }
    }
    if (std::optional<Failure> refused = refused_source(i)) {
      return refused;
    }
  }
  if (slot.state != State::kOpen) {
    return cant_have(i, slot.file.error());
  }
  slot.state = State::kStarted;
  if (slot.replaces) {
    slot.replacement = Replacement::create(slot.file, slot.name);
    // Windows replaces no file that is still open.
    slot.file.close();
    if (!slot.replacement) {
      return cant_have(i, slot.replacement.error());
    }
  }
  return std::nullopt;
}

std::optional<Failure> Destinations::empty(size_t i) {
  Slot& slot = slots_[i];
  if (slot.replaces || slot.file.truncate()) {
    return std::nullopt;
  }
  return cant_have(i, slot.file.error());
}

std::optional<Failure> Destinations::start(size_t i) {
  if (std::optional<Failure> failure = prepare(i)) {
    return failure;
  }
  return empty(i);
}

std::optional<Failure> Destinations::start_together(size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (slots_[i].state == State::kMissing) {
      return cant_have(i, slots_[i].file.error());
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (std::optional<Failure> failure = prepare(i)) {
      return failure;
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (std::optional<Failure> failure = empty(i)) {
      return failure;
    }
  }
  return std::nullopt;
}

File& Destinations::file(size_t i) {
  return slots_[i].replaces ? slots_[i].replacement.file() : slots_[i].file;
}

std::optional<Failure> Destinations::close(size_t i) {
  if (slots_[i].file.close()) {
    return std::nullopt;
  }
  return file_failure(kCantWriteToFile, slots_[i].name, slots_[i].file.error());
}

std::optional<Failure> Destinations::finish() {
  // Where a source is replaced, every other destination is on the medium
  // before its name is: a power cut leaves the old image, or the new one
  // with every other destination whole.
  bool replacing = std::ranges::any_of(
      slots_, [](const Slot& slot) { return bool{slot.replacement}; });
  std::optional<Failure> failure;
  for (Slot& slot : slots_) {
    std::optional<Failure> failed;
    if (replacing && slot.file && slot.file.regular()) {
      failed = store(slot.file, slot.made, slot.name);
    }
    if (!slot.file.close() && !failed) {
      failed = write_failure(slot.name, slot.file);
    }
    if (!failure) {
      failure = std::move(failed);
    }
  }
  if (failure) {
    return failure;
  }
  for (Slot& slot : slots_) {
    if (slot.replacement && !slot.replacement.commit()) {
      return file_failure(kCantWriteToFile, slot.name,
                          slot.replacement.error());
    }
  }
  return std::nullopt;
}

}  // namespace bintool
