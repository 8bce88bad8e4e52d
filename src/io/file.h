// RAII ownership of one file descriptor, opened for its role, and file
// identity. Nothing here knows the tool: every command stands on it.
#ifndef BINTOOL_IO_FILE_H_
#define BINTOOL_IO_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace bintool {

/// What a file is opened for; the role decides the flags. Always binary, and
/// never a directory.
enum class Role {
  /// Read-only, at once: a named pipe with no writer opens without waiting
  /// (and then reads as empty), so a command that measures its source can
  /// refuse a pipe instead of hanging on it.
  kSource,
  /// Read-only, as `cat` reads: a named pipe waits for its writer and is
  /// read to that writer's end.
  kStreamedSource,
  /// Write-only, created or emptied the moment it opens. A named pipe waits
  /// for its reader, and a reader that goes away fails the next write.
  kNewDestination,
  /// Read-write, in place: an existing file, never created nor emptied.
  kInPlace,
};

/// Owns one descriptor; closes it exactly once, on close() or at
/// destruction. Nothing is buffered here: a write reaches the system before
/// it returns, so a full disk shows on that write.
class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) = delete;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  /// Opens `path` for `role`; a false File when that fails.
  static File open(const char* path, Role role);

  explicit operator bool() const { return fd_ >= 0; }

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

  /// Waits until the written bytes are on the medium; false when the
  /// system reports that they could not be stored.
  bool sync();

  /// The position from the start; no value where the file has none (a
  /// pipe).
  std::optional<uint64_t> position() const;

  /// Moves to `offset` from the start; positions past the end are valid.
  /// False when the system refuses (a pipe, an offset past INT64_MAX).
  bool seek(uint64_t offset);

  /// The length in bytes, from the descriptor itself: the size of a regular
  /// file, the end position of a device (0 for /dev/zero; the position is
  /// put back). -1 when the file is not open or has no length (a pipe, a
  /// socket).
  int64_t length() const;

  /// True for a regular file, whose bytes can be read again after a close;
  /// false for a pipe or a device, whose bytes may come only once.
  bool regular() const;

  /// Copies up to `count` bytes from the position of `from` to the position
  /// of this file inside the system, without passing them through memory,
  /// where the system can; both positions advance by the bytes copied, which
  /// are returned: fewer than `count` at the end of `from`, or where the
  /// system declined or failed, and then the caller moves the rest itself
  /// (and so meets any real error on its own reads and writes).
  uint64_t copy_in_kernel(File& from, uint64_t count);

  /// Closes the descriptor; false when the close reported an error.
  bool close();

  /// True when both are open on the same file (same device and inode).
  friend bool same_file(const File& a, const File& b);

  /// True when `file` is open on the file `path` leads to.
  friend bool same_file(const File& file, const char* path);

 private:
  friend class Replacement;
  explicit File(int fd) : fd_(fd) {}
  int fd_ = -1;
};

/// Where the last name of `path` starts: just past its last separator ('/',
/// and '\\' on Windows), or 0 where it has none.
size_t last_name_at(std::string_view path);

/// True when writing to two of `names` would write one regular file: they
/// lead to the same existing regular file (by any name or link), or, not
/// existing yet, name the same entry of the same directory (`u1` and
/// `./u1`). Devices, pipes and other files that are no regular file never
/// count, nor do empty names.
bool two_write_one_file(std::span<char* const> names);

/// Gives each of the standard descriptors 0, 1 and 2 that is closed the
/// null device, read-only, before any file is opened: no file then takes
/// the place of standard input (where the page prompt would read it) or of
/// standard output (where messages would land in it). Closed standard
/// output thus fails its first write, as a failing output does.
void fill_standard_descriptors();

/// True when a failed write's `error` (an errno value) means that the
/// reader of a pipe has gone away: no failure anybody needs to hear of.
bool reader_gone(int error);

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_H_
