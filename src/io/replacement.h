// A new version of an existing file, written beside it under a name of its
// own, that takes the file's name only when it is complete.
#ifndef BINTOOL_IO_REPLACEMENT_H_
#define BINTOOL_IO_REPLACEMENT_H_

#include <string>

#include "io/file.h"

namespace bintool {

/// Until commit() succeeds the file it replaces is byte for byte what it
/// was, whatever happens: a failed write, a destructor, a signal that ends
/// the process (see io/signals.h). After SIGKILL or a power cut the new file
/// may be left beside the old, as ".bintool-XXXXXX". The file's other hard
/// links keep the old bytes, as with any replacement by rename.
class Replacement {
 public:
  Replacement() = default;
  Replacement(Replacement&& other) noexcept;
  Replacement& operator=(Replacement&& other) noexcept;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  /// Removes the new file unless it was committed.
  ~Replacement();

  /// Makes the new file, write-only, as ".bintool-XXXXXX" in the folder of
  /// the file `original` is open on (opened as `path`; beside a link's
  /// target, so that the link stays a link), with that file's permission
  /// bits, and its owner and group where the process may set them. A false
  /// Replacement when the folder takes no new file, or the name of the file
  /// cannot be had.
  static Replacement create(const File& original, const char* path);

  explicit operator bool() const { return static_cast<bool>(file_); }

  /// Where the new bytes go.
  File& file() { return file_; }

  /// Puts the new bytes on the medium, closes the new file and renames it
  /// over the old one. False when any of that fails; the new file is then
  /// removed when the Replacement ends. On Windows no other descriptor of
  /// the old file may be open by then.
  bool commit();

 private:
  void remove();

  File file_;
  std::string name_;    // the new file's
  std::string target_;  // the name it takes
  int slot_ = -1;       // where a signal's handler finds name_
};

}  // namespace bintool

#endif  // BINTOOL_IO_REPLACEMENT_H_
