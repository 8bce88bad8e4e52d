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
  /// Read-write, in place: an existing file, never created nor emptied.
  kInPlace,
};

struct OpenedDestination;

/// Owns one descriptor; closes it exactly once, on close() or at
/// destruction. Nothing is buffered here: a write reaches the system before
/// it returns, so a full disk shows on that write. Every open asks the system
/// once what the file is (identity(), regular()); a file it cannot tell of
/// does not open, and the answer outlives close().
class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  /// Opens `path` for `role`; a false File when that fails (errno says why).
  static File open(const char* path, Role role);

  /// Opens `path` write-only without emptying it (empty() does that once the
  /// command knows it may), making it where it does not exist. With
  /// `wait` false nothing waits: a named pipe with no reader yet comes back
  /// `later`, as does a name met when no descriptor is free.
  static OpenedDestination open_destination(const char* path, bool wait);

  /// Makes `path`, which must not exist, write-only and readable by its owner
  /// alone; a false File when it exists (errno EEXIST) or cannot be made.
  static File make_new(const char* path);

  explicit operator bool() const { return fd_ >= 0; }

  /// Which file this is; no value only for a Windows device (NUL, CON),
  /// which has none and is the same as nothing.
  const std::optional<FileIdentity>& identity() const { return identity_; }

  /// True for a regular file, whose bytes can be read again after a close;
  /// false for a pipe or a device, whose bytes may come only once.
  bool regular() const { return regular_; }

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

  /// Cuts a regular file to 0 bytes; other files, and one that was empty when
  /// it opened, have nothing to cut. False when the system refuses.
  bool empty();

  /// Waits until the written bytes are on the medium; false when the
  /// system reports that they could not be stored.
  bool sync();

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

  /// Gives this file the permission bits of `original`, and its owner and
  /// group where the process may; a file system that keeps none (FAT) is no
  /// failure.
  void take_permissions_of(const File& original);

  /// The name under which the file `path` opened as can be replaced: the
  /// file a chain of links ends at, as an absolute name. No value when that
  /// cannot be had, or no longer leads to this file.
  std::optional<std::string> final_name(const char* path) const;

  /// Closes the descriptor; false when the close reported an error.
  bool close();

 private:
  explicit File(int fd);
  // lseek on this system.
  int64_t seek_to(int64_t offset, int whence) const;

  int fd_ = -1;
  std::optional<FileIdentity> identity_;
  bool regular_ = false;
  int64_t size_ = -1;
  uint32_t mode_ = 0;
  uint32_t owner_ = 0;
  uint32_t group_ = 0;
};

/// A destination as its first open found it.
struct OpenedDestination {
  File file;           // false when not open
  bool later = false;  // not open yet, and not failed: open it at its turn
  std::string made;    // the name this open made, empty when the file existed
};

/// True when both are the same file, by identity.
bool same_file(const File& a, const File& b);

/// Removes the file `name`, which this run made, if it is still `file` and a
/// regular file (never a device); closes `file`.
void remove_made(const std::string& name, File& file);

/// True when the last failed open (errno) ran out of descriptors.
bool out_of_descriptors();

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_H_
