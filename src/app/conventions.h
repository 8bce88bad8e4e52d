// Conventions every command handler shares: argument counts, failure
// messages and their results.
#ifndef BINTOOL_APP_CONVENTIONS_H_
#define BINTOOL_APP_CONVENTIONS_H_

#include <cstdint>
#include <optional>
#include <span>

#include "app/standard_output.h"
#include "io/block_copy.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

/// A handler's result: done, or failed after its message was printed.
inline constexpr int kDone = 0;
inline constexpr int kFailed = -1;

/// Checks the argument count before anything is touched: below `minimum`
/// prints `message` and returns false, and the handler returns at once.
[[nodiscard]] bool require_args(int argc, int minimum, const char* message);

/// Prints `message` and returns kFailed, the result of a reported failure.
/// Every stream the handler holds is closed when the handler returns.
int fail(const char* message);

/// A block of `size` bytes for the run; an empty Buffer after "Can't create
/// buffer\n" when no memory can be had.
Buffer block_or_fail(size_t size = kBlockSize);

/// Prints what stopped a copy, "Can't read file\n" for a read, otherwise
/// "Can't write to file\n", and returns kFailed.
int fail_copy(CopyEnd end);

/// Reads `file` to `length` bytes through `block`, and gives each block read
/// to use(bytes), which returns false to stop (a failing standard output,
/// said already). kDone; kFailed after "Can't read file\n", or when use
/// stopped.
template <typename Use>
int read_blocks(File& file, uint64_t length, std::span<uint8_t> block,
                Use use) {
  BlockReader reader(file, length);
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(block);
    if (!got) {
      return fail_copy(CopyEnd::kReadFailed);
    }
    if (got->empty()) {
      return kDone;
    }
    if (!use(*got)) {
      return kFailed;
    }
  }
}

}  // namespace bintool

#endif  // BINTOOL_APP_CONVENTIONS_H_
