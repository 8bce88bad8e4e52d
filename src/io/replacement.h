// A new version of an existing file, written beside it under a name of its
// own, that takes the file's name only when it is complete and on disk.
#ifndef BINTOOL_IO_REPLACEMENT_H_
#define BINTOOL_IO_REPLACEMENT_H_

#include <string>
#include <vector>

#include "io/file.h"
#include "io/folder.h"

namespace bintool {

/// Until commit() renames it, the file it replaces is byte for byte what it
/// was, whatever happens: a failed write, a destructor, a signal that ends
/// the process (see io/signals.h). After SIGKILL or a power cut the new file
/// may be left beside the old, as ".bintool-XXXXXX". Everything goes through
/// the folder, held open from create() on, so a folder renamed or unmounted
/// lazily meanwhile still gets the rename, or loses the new file. The
/// file's other hard links keep the old bytes, as with any replacement by
/// rename.
class Replacement {
 public:
  Replacement() = default;
  Replacement(Replacement&& other) noexcept;
  Replacement& operator=(Replacement&& other) noexcept;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  /// Removes the new file unless it was renamed.
  ~Replacement();

  /// Makes the new file, write-only, as ".bintool-XXXXXX" in the folder of
  /// the file `original` is open on (opened as `path`; beside a link's
  /// target, so that the link stays a link), with that file's permission
  /// bits, and its owner and group where the process may set them. A false
  /// Replacement, with error(), when the name of the file or its folder
  /// cannot be had, or the folder takes no new file.
  static Replacement create(const File& original, const char* path);

  explicit operator bool() const { return static_cast<bool>(file_); }

  /// What the system said at the failure of create() or commit().
  int error() const { return error_; }

  /// Where the new bytes go.
  File& file() { return file_; }

  /// Puts the new bytes on the medium, closes the new file, renames it over
  /// the old one, and puts the folder on the medium: after a power cut the
  /// name leads to the old file or to the whole new one, and once this
  /// returns true, to the new one. False, with error(), when any of that
  /// fails; the new file is removed then, unless the rename was done and
  /// only the folder's sync failed. On Windows no other descriptor of the old
  /// file may be open by then.
  bool commit();

 private:
  bool fail(int error);
  void remove();

  Folder folder_;
  File file_;
  std::string name_;    // the new file's, in the folder
  std::string target_;  // the name it takes there
  int entry_ = -1;      // where a signal's handler finds name_
  int error_ = 0;
};

/// A new file that a replacement made and could not remove again (the
/// medium failed it), and what the system said.
struct LeftBehind {
  std::string name;
  int error;
};

/// The files left behind so far; the list is emptied.
std::vector<LeftBehind> take_left_behind();

}  // namespace bintool

#endif  // BINTOOL_IO_REPLACEMENT_H_
