// A folder held open while a run changes it: the new files made in it, and
// their renames and removals, go to this folder whatever its name leads to
// meanwhile (a stick unmounted lazily, a folder renamed, a link changed).
#ifndef BINTOOL_IO_FOLDER_H_
#define BINTOOL_IO_FOLDER_H_

#include <string>

#include "io/file.h"

namespace bintool {

/// Owns the folder's descriptor (on Windows, which renames by name, its
/// name). Move-only; closed at destruction.
class Folder {
 public:
  Folder() = default;
  Folder(Folder&& other) noexcept;
  Folder& operator=(Folder&& other) noexcept;
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder();

  /// Opens the folder `path`, which ends in its separator ("/media/stick/");
  /// a false Folder, with error(), when it cannot be opened.
  static Folder open(const std::string& path);

  explicit operator bool() const { return fd_ >= 0; }

  /// What the system said at the last failure (see io/system_error.h).
  int error() const { return error_; }

  /// The descriptor, for File::open_in and the signal handler, which make
  /// and remove names in it (on Windows, which goes by path(), 0).
  int descriptor() const { return fd_; }

  /// The name the folder was opened as, separator included.
  const std::string& path() const { return path_; }

  /// Gives the file `from` the name `to`, in one step, replacing what `to`
  /// named; on Windows the rename is on the medium when this returns.
  bool rename(const std::string& from, const std::string& to);

  /// Removes the name `name` when it still leads to `file`, a regular file
  /// (never a device, nor a file that took the name meanwhile). False when
  /// that removal fails.
  bool remove(const std::string& name, const File& file);

  /// Puts the folder's names on the medium (fsync), so that a rename or a
  /// new file survives a power cut; a file system that syncs no folder
  /// (sync_unsupported) says yes, as Windows does, whose renames are on the
  /// medium already.
  bool sync();

 private:
  bool failed();

  int fd_ = -1;
  int error_ = 0;
  std::string path_;
};

}  // namespace bintool

#endif  // BINTOOL_IO_FOLDER_H_
