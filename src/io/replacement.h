// A new version of an existing file, written beside it under a name of its
// own, that takes the file's name only when it is complete.
#ifndef BINTOOL_IO_REPLACEMENT_H_
#define BINTOOL_IO_REPLACEMENT_H_

#include <string>
#include <utility>

#include "io/file.h"

namespace bintool {

/// Until commit() succeeds the file it replaces is byte for byte what it
/// was, whatever happens: a failed write, a destructor, SIGINT, SIGTERM or
/// SIGHUP (each removes the new file, then ends the process as the signal
/// would have). After SIGKILL or a power cut the new file may be left
/// beside the old, as ".NAME.bintool-XXXXXX". The file's other hard links
/// keep the old bytes, as with any replacement by rename.
class Replacement {
 public:
  Replacement() = default;
  Replacement(Replacement&& other) noexcept;
  Replacement& operator=(Replacement&& other) = delete;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  /// Removes the new file unless it was committed.
  ~Replacement();

  /// Creates the new file, write-only, in the directory of the file `path`
  /// leads to (beside a symlink's target, so that the link stays a link),
  /// with that file's permission bits, and its owner and group where the
  /// process may set them. A false Replacement when `path` is not a regular
  /// file this process may write, or its directory takes no new file.
  static Replacement create(const char* path);

  explicit operator bool() const { return static_cast<bool>(file_); }

  /// Where the new bytes go.
  File& file() { return file_; }

  /// Closes the new file and renames it over the old one. False when either
  /// fails, and the new file is gone. On Windows no other descriptor of the
  /// old file may be open by then.
  bool commit();

 private:
  Replacement(File file, int slot, std::string target)
      : file_(std::move(file)), slot_(slot), target_(std::move(target)) {}

  File file_;
  int slot_ = -1;  // where the signal handlers find the new file's name
  std::string target_;
};

}  // namespace bintool

#endif  // BINTOOL_IO_REPLACEMENT_H_
