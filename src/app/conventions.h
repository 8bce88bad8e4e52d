// Conventions every command handler shares: argument counts, failure
// messages and their results.
#ifndef BINTOOL_APP_CONVENTIONS_H_
#define BINTOOL_APP_CONVENTIONS_H_

#include "app/standard_output.h"
#include "io/block_copy.h"
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

}  // namespace bintool

#endif  // BINTOOL_APP_CONVENTIONS_H_
