// RAII ownership of one file stream, and file identity. Nothing here knows
// the tool: every command stands on it.
#ifndef BINTOOL_IO_FILE_H_
#define BINTOOL_IO_FILE_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

namespace bintool {

/// The only three ways the tool opens a file, always binary:
/// kRead "rb" (an existing regular or device file, never a directory),
/// kCreate "w+b" (created, or emptied the moment it is opened),
/// kUpdate "r+b" (an existing file, read and written in place, not emptied).
enum class OpenMode { kRead, kCreate, kUpdate };

/// Owns one stream; closes it exactly once, on close() or at destruction.
/// The stream is unbuffered: the tool moves whole blocks itself, so every
/// write reaches the system at once and a full disk shows up on that write.
class File {
 public:
  File() = default;
  File(File&& other) noexcept;
  File& operator=(File&& other) = delete;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  /// Opens `path` as `mode` says; a false File when that fails, and also for
  /// a directory, which is never a file here.
  static File open(const char* path, OpenMode mode);

  explicit operator bool() const { return stream_ != nullptr; }

  /// The system's descriptor of the open file.
  int descriptor() const;

  /// Reads until `into` is full or the file ends, and returns the number of
  /// bytes read: fewer than asked only at the end of the file. No value when
  /// the system reported an error (a bad medium), which is never an end.
  std::optional<size_t> read(std::span<uint8_t> into);

  /// Writes all of `bytes`; false when the system stored fewer.
  bool write(std::span<const uint8_t> bytes);

  /// Moves to `offset` from the start; positions past the end are valid.
  /// False when the system refuses (for instance on a pipe).
  bool seek(uint64_t offset);

  /// The length in bytes of the file `path` names: the size of a regular
  /// file, otherwise (a device) its end position. -1 when it cannot be opened
  /// for reading or has no end (a pipe). It uses a stream of its own, so no
  /// stream that reads the file is moved.
  static int64_t length_of(const char* path);

  /// True for a regular file, whose bytes can be read again after a close;
  /// false for a pipe or a device, whose bytes may come only once.
  bool regular() const;

  /// Copies up to `count` bytes from the position of `from` to the position
  /// of this file inside the system, without passing them through memory,
  /// where the system can; both positions advance. Returns the bytes copied:
  /// less than `count` at the end of `from`, or where the system declined or
  /// failed, and then the caller moves the rest itself (and so meets any real
  /// error on its own writes). No value when the positions could not be
  /// moved past the bytes copied, after which neither stream can be used.
  std::optional<uint64_t> copy_in_kernel(File& from, uint64_t count);

  /// Closes the stream; false when the close reported an error.
  bool close();

 private:
  explicit File(std::FILE* stream) : stream_(stream) {}
  std::FILE* stream_ = nullptr;
};

/// True when both open streams are on the same file (same device and inode).
bool same_file(const File& a, const File& b);

/// True when both names lead to the same existing file (same device and
/// inode), whatever the names look like. False when either does not exist.
bool same_file(const char* a, const char* b);

}  // namespace bintool

#endif  // BINTOOL_IO_FILE_H_
