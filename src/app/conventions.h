// Conventions every command handler shares: argument counts, blocks, and
// the failures of a copy or a read.
#ifndef BINTOOL_APP_CONVENTIONS_H_
#define BINTOOL_APP_CONVENTIONS_H_

#include <cstdint>
#include <optional>
#include <span>

#include "app/failure.h"
#include "app/standard_output.h"
#include "io/block_copy.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

/// A handler's result: done, or failed after its failure was said.
inline constexpr int kDone = 0;
inline constexpr int kFailed = -1;

/// Checks the argument count before anything is touched: below `minimum`
/// says `message` (a failure) and returns false, and the handler returns at
/// once.
[[nodiscard]] bool require_args(int argc, int minimum, const char* message);

/// A block of `size` bytes for the run; an empty Buffer after "Can't create
/// buffer\n" when no memory can be had.
Buffer block_or_fail(size_t size = kBlockSize);

/// What stopped a copy from `from` (named `from_name`) to `to`: "Can't read
/// file\n" for a read, otherwise "Can't write to file\n", with what the
/// system said of that file.
Failure copy_failure(CopyEnd end, const char* from_name, const File& from,
                     const char* to_name, const File& to);

/// Reads `file` (named `name`) to `length` bytes through `block`, and gives
/// each block read to use(bytes), which returns false to stop (a failing
/// standard output, said already). kDone; kFailed after "Can't read file\n",
/// or when use stopped.
template <typename Use>
int read_blocks(File& file, const char* name, uint64_t length,
                std::span<uint8_t> block, Use use) {
  BlockReader reader(file, length);
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(block);
    if (!got) {
      return fail(read_failure(name, file));
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
