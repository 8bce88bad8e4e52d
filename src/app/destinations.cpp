// The files a command writes, checked by the files that open.
#include "app/destinations.h"

#include <algorithm>
#include <utility>

#include "app/messages.h"
#include "app/standard_output.h"

namespace bintool {

Destinations::Destinations(std::span<char* const> names,
                           std::span<const File* const> sources,
                           InPlace in_place, const char* cant_have,
                           const char* cant_have_first)
    : sources_(sources),
      in_place_(in_place),
      cant_have_(cant_have),
      cant_have_first_(cant_have_first != nullptr ? cant_have_first
                                                  : cant_have) {
  for (const char* name : names) {
    OpenedDestination opened = File::open_destination(name, false);
    Slot& slot = slots_.emplace_back();
    slot.name = name;
    slot.file = std::move(opened.file);
    slot.made = std::move(opened.made);
    slot.later = opened.later;
  }
}

Destinations::~Destinations() {
  // What this run made and never started goes, unless a command that makes
  // its files in turn would have made it before its failure.
  bool failed = first_failed_ < slots_.size();
  for (size_t i = failed ? first_failed_ + 1 : 0; i < slots_.size(); ++i) {
    if (!slots_[i].made.empty() && !slots_[i].started) {
      remove_made(slots_[i].made, slots_[i].file);
    }
  }
}

bool Destinations::refuse() {
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (slots_[i].file && refuse_two(i)) {
      return false;
    }
  }
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (slots_[i].file && !refuse_one(i)) {
      return false;
    }
  }
  return true;
}

bool Destinations::refuse_one(size_t i) {
  Slot& slot = slots_[i];
  for (const File* source : sources_) {
    if (!same_file(*source, slot.file)) {
      continue;
    }
    if (in_place_ == InPlace::kNo || !source->regular()) {
      print(kSameFile);
      return false;
    }
    slot.replaces = true;
  }
  return true;
}

bool Destinations::ready(size_t i) {
  if (slots_[i].file || slots_[i].later) {
    return true;
  }
  first_failed_ = std::min(first_failed_, i);
  return false;
}

bool Destinations::refuse_two(size_t i) {
  if (!slots_[i].file.regular() ||
      regular_.insert(*slots_[i].file.identity()).second) {
    return false;
  }
  print(kTwoDestinations);
  return true;
}

bool Destinations::fail(size_t i) {
  first_failed_ = std::min(first_failed_, i);
  print(i == 0 ? cant_have_first_ : cant_have_);
  return false;
}

bool Destinations::prepare(size_t i) {
  Slot& slot = slots_[i];
  if (slot.later) {
    // Its first look comes now: the same checks as the others had.
    if (free_some_) {
      free_some_();
    }
    OpenedDestination opened = File::open_destination(slot.name, true);
    slot.file = std::move(opened.file);
    slot.made = std::move(opened.made);
    slot.later = false;
    if (slot.file && (refuse_two(i) || !refuse_one(i))) {
      return false;
    }
  }
  if (!slot.file) {
    return fail(i);
  }
  slot.started = true;
  if (slot.replaces) {
    slot.replacement = Replacement::create(slot.file, slot.name);
    // Windows replaces no file that is still open.
    slot.file.close();
    if (!slot.replacement) {
      return fail(i);
    }
  }
  return true;
}

bool Destinations::empty(size_t i) {
  return slots_[i].replaces || slots_[i].file.empty() || fail(i);
}

File* Destinations::start(size_t i) {
  return prepare(i) && empty(i) ? &file(i) : nullptr;
}

bool Destinations::begin(size_t count) {
  // Whatever can fail without touching a file comes before any is emptied.
  for (size_t i = 0; i < count; ++i) {
    if (!prepare(i)) {
      return false;
    }
  }
  for (size_t i = 0; i < count; ++i) {
    if (!empty(i)) {
      return false;
    }
  }
  return true;
}

File& Destinations::file(size_t i) {
  return slots_[i].replaces ? slots_[i].replacement.file() : slots_[i].file;
}

bool Destinations::finish() {
  bool closed = true;
  for (Slot& slot : slots_) {
    closed = slot.file.close() && closed;
  }
  for (Slot& slot : slots_) {
    if (slot.replacement && !(closed && slot.replacement.commit())) {
      return false;
    }
  }
  return closed;
}

}  // namespace bintool
