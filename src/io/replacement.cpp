// A new version of an existing file, renamed over it when complete.
#include "io/replacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>

#include <cstdlib>
#endif

namespace bintool {
namespace {

// The new files not yet committed, where a signal handler can find them:
// a fixed table, since a handler may not allocate.
constexpr size_t kLongestName = 4096;
struct Pending {
  volatile std::sig_atomic_t used;
  int fd;  // Windows removes no file that is still open
  char name[kLongestName];
};
Pending g_pending[2];

#ifdef _WIN32
constexpr int kSignals[] = {SIGINT, SIGTERM};
#else
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#endif

// What the new file takes over from the file it replaces.
struct Original {
  std::string path;  // a symlink's target, so the link stays a link
  unsigned mode;
  unsigned owner;
  unsigned group;
};

// Everything that differs between Windows and POSIX lives below, up to the
// end of this namespace.
#ifdef _WIN32
std::optional<Original> original_of(const char* path) {
  struct _stat64 info {};
  if (_stat64(path, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG ||
      _access(path, 2) != 0) {
    return std::nullopt;
  }
  return Original{path, 0, 0, 0};
}
int create_exclusive(const char* name) {
  return _open(name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
               _S_IREAD | _S_IWRITE);
}
void take_over(int, const Original&) {}
bool rename_over(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}
void remove_file(Pending& pending) {
  // The handler runs on a thread of its own, while the file may be open.
  if (pending.fd >= 0) {
    _close(pending.fd);
  }
  _unlink(pending.name);
}
int process_id() { return _getpid(); }
// Handlers run on a thread of their own there; nothing to hold.
struct SignalsHeld {
  SignalsHeld() {}
};
#else
std::optional<Original> original_of(const char* path) {
  char* real = realpath(path, nullptr);
  struct stat info {};
  bool writable = real != nullptr && stat(real, &info) == 0 &&
                  S_ISREG(info.st_mode) &&
                  faccessat(AT_FDCWD, real, W_OK, AT_EACCESS) == 0;
  std::optional<Original> original;
  if (writable) {
    original = Original{real, info.st_mode & 07777, info.st_uid, info.st_gid};
  }
  std::free(real);
  return original;
}
int create_exclusive(const char* name) {
  return ::open(name, O_WRONLY | O_CREAT | O_EXCL, 0600);
}
void take_over(int fd, const Original& original) {
  // Only a privileged process may give a file away; the group may still
  // be one of the user's own. The mode goes last: a change of owner clears
  // the set-user-ID bit.
  if (fchown(fd, original.owner, original.group) != 0) {
    (void)!fchown(fd, static_cast<uid_t>(-1), original.group);
  }
  (void)!fchmod(fd, original.mode);
}
bool rename_over(const char* from, const char* to) {
  return ::rename(from, to) == 0;
}
void remove_file(Pending& pending) { unlink(pending.name); }
int process_id() { return getpid(); }
// The table changes with the three signals held, so that a handler never
// sees half an entry, nor misses a file just created.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kSignals) {
      sigaddset(&held, signal);
    }
    sigprocmask(SIG_BLOCK, &held, &before_);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &before_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_{};
};
#endif

extern "C" {
static void remove_and_end(int signal) {
  for (Pending& pending : g_pending) {
    if (pending.used != 0) {
      remove_file(pending);
    }
  }
  // Ends the process as the signal would have.
  std::signal(signal, SIG_DFL);
#ifndef _WIN32
  sigset_t unblocked;
  sigemptyset(&unblocked);
  sigaddset(&unblocked, signal);
  sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
#endif
  std::raise(signal);
}
}

// Once per process. A signal the process was started to ignore (a
// background job's SIGINT, nohup's SIGHUP) stays ignored.
void catch_signals() {
  static bool caught = false;
  if (std::exchange(caught, true)) {
    return;
  }
  for (int signal : kSignals) {
    if (std::signal(signal, remove_and_end) == SIG_IGN) {
      std::signal(signal, SIG_IGN);
    }
  }
}

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

void release(int slot) {
  SignalsHeld held;
  g_pending[slot].used = 0;
}

}  // namespace

Replacement::Replacement(Replacement&& other) noexcept
    : file_(std::move(other.file_)),
      slot_(std::exchange(other.slot_, -1)),
      target_(std::move(other.target_)) {}

Replacement::~Replacement() {
  if (slot_ >= 0) {
    file_.close();
    g_pending[slot_].fd = -1;
    remove_file(g_pending[slot_]);
    release(slot_);
  }
}

Replacement Replacement::create(const char* path) {
  std::optional<Original> original = original_of(path);
  if (!original) {
    return {};
  }
  size_t start = last_name_at(original->path);
  std::string stem = original->path.substr(0, start) + "." +
                     original->path.substr(start) + ".bintool-";
  catch_signals();
  int slot = g_pending[0].used == 0 ? 0 : g_pending[1].used == 0 ? 1 : -1;
  for (int attempt = 0; slot >= 0 && attempt < 100; ++attempt) {
    std::string name = stem + suffix();
    if (name.size() >= kLongestName) {
      return {};
    }
    SignalsHeld held;
    int fd = create_exclusive(name.c_str());
    if (fd < 0 && errno == EEXIST) {
      continue;
    }
    if (fd < 0) {
      return {};
    }
    std::memcpy(g_pending[slot].name, name.c_str(), name.size() + 1);
    g_pending[slot].fd = fd;
    g_pending[slot].used = 1;
    take_over(fd, *original);
    return Replacement(File(fd), slot, std::move(original->path));
  }
  return {};
}

bool Replacement::commit() {
  // The bytes reach the disk before the name does: after a power cut the
  // name leads to the old file or to the whole new one. A medium that
  // reports a write error only now (a network share) is caught here too.
  bool stored = file_.sync();
  g_pending[slot_].fd = -1;
  if (!file_.close() || !stored ||
      !rename_over(g_pending[slot_].name, target_.c_str())) {
    return false;  // the destructor removes the new file
  }
  release(std::exchange(slot_, -1));
  return true;
}

}  // namespace bintool
