// RAII ownership of one file descriptor, opened for its role, and what the
// system said of the file when it opened. Nothing here knows the tool.
#ifndef BINTOOL_IO_FILE_H_
#define BINTOOL_IO_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "io/file_identity.h"

namespace bintool {

class Folder;

/// What a file is opened for; the role decides the flags. Always binary, and
/// never a directory.
enum class Role {
  /// Read-only, at once: a named pipe with no writer opens without waiting
  /// (and then reads as empty), so a command that measures its source can
  /// refuse a pipe instead of hanging on it.
  kSourceToMeasure,
  /// Read-only, as `cat` reads: a named pipe waits for its writer and is
  /// read to that writer's end.
  kSourceToStream,
  /// Read-write, in place: an existing file, never made nor emptied.
  kInPlace,
  /// Write-only, an existing file, not emptied (truncate() does that): a
  /// named pipe waits for its reader, as the shell's `>` does.
  kDestination,
  /// The same, but a named pipe with no reader yet fails at once
  /// (no_reader_yet), and whatever opens writes with waiting again.
  kDestinationNow,
  /// Write-only, made here: the name must not exist (name_taken), and a link
  /// to a name not made yet is no exception, except on Windows, where the
  /// file such a link leads to is made. Readable by all that the umask lets.
  kNew,
  /// The same, readable by its owner alone: a file whose permissions come
  /// later.
  kNewPrivate,
};

/// Owns one descriptor; closes it exactly once, on close() or at
/// destruction. Nothing is buffered here: a write reaches the system before
/// it returns, so a full disk shows on that write. Every open asks the system
/// once what the file is (identity(), regular()); a file whose identity
/// cannot be had (fstat fails, or a file system that answers each spelling
/// of a name with its own identity cannot tell which listed entry the name
/// is) does not open, and the answer outlives close().
class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  /// Opens `path` for `role`; a false File when that fails, with error().
  static File open(const char* path, Role role);

  /// Opens `name` in `folder` for `role`, wherever the folder's name leads
  /// now.
  static File open_in(const Folder& folder, const std::string& name, Role role);

  explicit operator bool() const { return fd_ >= 0; }

  /// What the system said at this file's last failure: its open, a read, a
  /// write, a seek, a sync or a close (see io/system_error.h); 0 before any.
  int error() const { return error_; }

  /// Which file this is; no value only for a Windows device (NUL, CON),
  /// which has none and is the same as nothing.
  const std::optional<FileIdentity>& identity() const { return identity_; }

  /// True for a regular file, whose bytes can be read again after a close;
  /// false for a pipe or a device, whose bytes may come only once.
  bool regular() const { return regular_; }

  /// True for a file on a FUSE file system: each spelling of a name may have
  /// an identity of its own there (exfat-fuse), and a gap a write leaves may
  /// not be written later (fusefat).
  bool on_fuse() const { return on_fuse_; }

  /// Permission bits, owner and group as the file opened with (0 on
  /// Windows, which keeps none of them).
  uint32_t mode() const { return mode_; }
  uint32_t owner() const { return owner_; }
  uint32_t group() const { return group_; }

  /// The descriptor, for the io units that make calls of their own on it.
  int descriptor() const { return fd_; }

  /// Reads from the position until `into` is full or the file ends, and
  /// returns the count read: fewer than asked only at the end. No value
  /// after a read error, which is never an end.
  std::optional<size_t> read(std::span<uint8_t> into);

  /// The same from offset `at`, whatever the position; where the position
  /// stands afterwards is not said. No value where the file has no offsets
  /// (a pipe).
  std::optional<size_t> read_at(uint64_t at, std::span<uint8_t> into);

  /// Writes all of `bytes` at the position; false when the system stored
  /// fewer (a full disk, a reader that went away).
  bool write(std::span<const uint8_t> bytes);

  /// The same at offset `at`, whatever the position.
  bool write_at(uint64_t at, std::span<const uint8_t> bytes);

  /// Cuts a regular file to 0 bytes; other files, and one that was empty
  /// when it opened (one just made), have nothing to cut. False when the
  /// system refuses.
  bool truncate();

  /// Waits until the written bytes are on the medium (fdatasync;
  /// FlushFileBuffers on Windows); false when the system reports that they
  /// could not be stored.
  bool sync();

  /// Gives the file an owner and a group, and permission bits (fchown,
  /// fchmod); Windows keeps none, and says yes. False when the system
  /// refuses.
  bool change_owner(uint32_t owner, uint32_t group);
  bool change_mode(uint32_t mode);

  /// The position from the start; no value where the file has none (a
  /// pipe).
  std::optional<uint64_t> position() const;

  /// Moves to `offset` from the start; positions past the end are valid.
  /// False when the system refuses (a pipe, an offset past INT64_MAX).
  bool seek(uint64_t offset);

  /// The length in bytes: the size of a regular file when it opened, the end
  /// position of a device (0 for /dev/zero; the position is put back). -1
  /// when the file is not open or has no length (a pipe, a socket).
  int64_t length() const;

  /// Copies up to `count` bytes from the position of `from` to the position
  /// of this file inside the system, without passing them through memory,
  /// where the system can; both positions advance by the bytes copied, which
  /// are returned: fewer than `count` at the end of `from`, or where the
  /// system declined or failed, and then the caller moves the rest itself
  /// (and so meets any real error on its own reads and writes).
  uint64_t copy_in_kernel(File& from, uint64_t count);

  /// Closes the descriptor; false when the close reported an error.
  bool close();

 private:
  // Takes an open descriptor (or -1 after a failed open) and asks what it
  // is; `path` is the name it opened as, `made` whether this open made it.
  File(int fd, const char* path, bool made);
  // lseek on this system.
  int64_t seek_to(int64_t offset, int whence) const;
  // Keeps what the system said of the failure just met; returns false.
  bool failed() const;

  int fd_ = -1;
  // A question that meets a failure (length() of a pipe) keeps it too.
  mutable int error_ = 0;
  std::optional<FileIdentity> identity_;
  bool regular_ = false;
  bool on_fuse_ = false;
  int64_t size_ = -1;
  uint32_t mode_ = 0;
  uint32_t owner_ = 0;
  uint32_t group_ = 0;
};

/// True when both are the same file, by identity.
bool same_file(const File& a, const File& b);

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_H_
