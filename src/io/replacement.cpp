// A new version of an existing file, renamed over it when complete.
#include "io/replacement.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "io/signals.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bintool {
namespace {

#ifdef _WIN32
constexpr char kSeparators[] = "/\\";
bool rename_over(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
int process_id() { return _getpid(); }
#else
constexpr char kSeparators[] = "/";
bool rename_over(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}
int process_id() { return getpid(); }
#endif

// Six letters or digits that differ from run to run and from call to call.
std::string suffix() {
  static uint64_t state =
      static_cast<uint64_t>(
          std::chrono::steady_clock::now().time_since_epoch().count()) ^
      static_cast<uint64_t>(process_id()) << 32;
  state = state * 6364136223846793005u + 1442695040888963407u;
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string text;
  for (uint64_t bits = state >> 16; text.size() < 6; bits /= 62) {
    text += kLetters[bits % 62];
  }
  return text;
}

}  // namespace

Replacement::Replacement(Replacement&& other) noexcept {
  *this = std::move(other);
}

Replacement& Replacement::operator=(Replacement&& other) noexcept {
  remove();
  file_ = std::move(other.file_);
  name_ = std::move(other.name_);
  target_ = std::move(other.target_);
  slot_ = std::exchange(other.slot_, -1);
  return *this;
}

Replacement::~Replacement() { remove(); }

void Replacement::remove() {
  if (slot_ < 0) {
    return;
  }
  remove_made(name_, file_);
  forget_on_signal(std::exchange(slot_, -1));
}

Replacement Replacement::create(const File& original, const char* path) {
  std::optional<std::string> target = original.final_name(path);
  if (!target) {
    return {};
  }
  // A short name of its own: it fits wherever the file's own name does.
  std::string folder = target->substr(0, target->find_last_of(kSeparators) + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    Replacement replacement;
    replacement.name_ = folder + ".bintool-" + suffix();
    replacement.slot_ = remove_on_signal(replacement.name_.c_str(), [&] {
      replacement.file_ = File::make_new(replacement.name_.c_str());
      return static_cast<bool>(replacement.file_);
    });
    if (replacement.slot_ >= 0) {
      replacement.file_.take_permissions_of(original);
      replacement.target_ = std::move(*target);
      return replacement;
    }
    if (errno != EEXIST) {
      return {};
    }
  }
  return {};
}

bool Replacement::commit() {
  // The bytes reach the disk before the name does: after a power cut the
  // name leads to the old file or to the whole new one. A medium that
  // reports a write error only now (a network share) is caught here too.
  bool stored = file_.sync();
  if (!file_.close() || !stored || !rename_over(name_, target_)) {
    return false;
  }
  forget_on_signal(std::exchange(slot_, -1));
  return true;
}

}  // namespace bintool
