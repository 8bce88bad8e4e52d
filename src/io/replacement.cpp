// A new version of an existing file, renamed over it when complete.
#include "io/replacement.h"

#include <chrono>
#include <optional>
#include <utility>

#include "io/names.h"
#include "io/signals.h"
#include "io/system_error.h"

namespace bintool {
namespace {

std::vector<LeftBehind> g_left_behind;

// Six letters or digits that differ from run to run (the clock, and where
// the system placed this program) and from call to call.
std::string suffix() {
  static uint64_t state =
      static_cast<uint64_t>(
          std::chrono::steady_clock::now().time_since_epoch().count()) ^
      reinterpret_cast<uintptr_t>(&g_left_behind);
  state = state * 6364136223846793005u + 1442695040888963407u;
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string text;
  for (uint64_t bits = state >> 16; text.size() < 6; bits /= 62) {
    text += kLetters[bits % 62];
  }
  return text;
}

// Only a privileged process may give a file away; the group may still be
// one of the user's own. The mode goes last: a change of owner clears the
// set-user-ID bit. A file system that keeps none of them (FAT) is no
// failure.
void take_permissions(File& file, const File& original) {
  if (!file.change_owner(original.owner(), original.group())) {
    file.change_owner(static_cast<uint32_t>(-1), original.group());
  }
  file.change_mode(original.mode());
}

}  // namespace

Replacement::Replacement(Replacement&& other) noexcept {
  *this = std::move(other);
}

Replacement& Replacement::operator=(Replacement&& other) noexcept {
  remove();
  folder_ = std::move(other.folder_);
  file_ = std::move(other.file_);
  name_ = std::move(other.name_);
  target_ = std::move(other.target_);
  entry_ = std::exchange(other.entry_, -1);
  error_ = other.error_;
  return *this;
}

Replacement::~Replacement() { remove(); }

bool Replacement::fail(int error) {
  error_ = error;
  remove();
  return false;
}

void Replacement::remove() {
  if (entry_ < 0) {
    return;
  }
  file_.close();
  if (!folder_.remove(name_, file_)) {
    g_left_behind.push_back({folder_.path() + name_, folder_.error()});
  }
  forget(std::exchange(entry_, -1));
}

Replacement Replacement::create(const File& original, const char* path) {
  Replacement replacement;
  std::optional<std::string> target = final_name(original, path);
  if (!target) {
    replacement.error_ = last_system_error();
    return replacement;
  }
  auto [folder, name] = split_folder(*target);
  replacement.folder_ = Folder::open(folder);
  replacement.target_ = std::move(name);
  if (!replacement.folder_) {
    replacement.error_ = replacement.folder_.error();
    return replacement;
  }
  // A short name of its own: it fits wherever the file's own name does.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string made = ".bintool-" + suffix();
    SignalsHeld held;
    int entry = track(replacement.folder_, made);
    if (entry < 0) {
      replacement.error_ = last_system_error();
      return replacement;
    }
    File file = File::open_in(replacement.folder_, made, Role::kNewPrivate);
    if (!file) {
      forget(entry);
      replacement.error_ = file.error();
      if (name_taken(file.error())) {
        continue;
      }
      return replacement;
    }
    take_permissions(file, original);
    replacement.file_ = std::move(file);
    replacement.name_ = std::move(made);
    replacement.entry_ = entry;
    return replacement;
  }
  return replacement;
}

bool Replacement::commit() {
  // The bytes reach the disk before the name does. A medium that reports a
  // write error only now (a network share) is caught here too.
  if (!file_.sync() || !file_.close()) {
    return fail(file_.error());
  }
  if (!folder_.rename(name_, target_)) {
    return fail(folder_.error());
  }
  forget(std::exchange(entry_, -1));
  // Until the folder is on the medium, a power cut may bring the old file
  // back.
  return folder_.sync() || fail(folder_.error());
}

std::vector<LeftBehind> take_left_behind() {
  return std::exchange(g_left_behind, {});
}

}  // namespace bintool
