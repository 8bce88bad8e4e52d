// A source's bytes in memory, whole, for the commands that reorder images.
#ifndef BINTOOL_IO_WHOLE_FILE_H_
#define BINTOOL_IO_WHOLE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>

#include "io/buffer.h"

namespace bintool {

/// The first `size` bytes of a file, read-only. Mapped straight from the
/// system's file cache when every page of it is there (nothing is read from
/// the medium to find out) and the file is not about to be rewritten;
/// otherwise read into a buffer of its own.
class WholeFile {
 public:
  enum class Status { kOk, kCantOpen, kCantRead, kNoMemory };

  WholeFile() = default;
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;
  ~WholeFile();

  /// Loads `size` bytes of `path`. kCantOpen when it cannot be opened,
  /// kCantRead when a read fails or delivers no byte at all, kNoMemory when
  /// no buffer can be had. A file shorter than `size` (it shrank) leaves
  /// zeros after its end. `private_copy` forces a copy of its own, for a
  /// file that the command will empty while it still reads it.
  Status load(const char* path, size_t size, bool private_copy);

  /// Valid until the next load. Reading a mapped page can still fail, when
  /// another program shortens the file or the page must come back from a
  /// failing medium: read the bytes inside run_guarded.
  std::span<const uint8_t> bytes() const { return {data_, size_}; }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t mapped_ = 0;  // bytes mapped, 0 when read into `copy_`
  Buffer copy_;
};

/// Runs `work`, which reads mapped bytes. False, instead of the fatal signal
/// the system raises, when a mapped page cannot be had; `work` then stops
/// where it was, so it must leave nothing half done that matters.
bool run_guarded(void (*work)(void* context), void* context);

template <typename Work>
bool run_guarded(Work&& work) {
  return run_guarded([](void* context) { (*static_cast<Work*>(context))(); },
                     &work);
}

}  // namespace bintool

#endif  // BINTOOL_IO_WHOLE_FILE_H_
