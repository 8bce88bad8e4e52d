// L: join source files, in argument order, into one destination.
#include <vector>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::concatenate(int argc, char* argv[]) {
  if (!require_args(argc, 4, kTooFewParams)) {
    return kFailed;
  }
  const char* destination = argv[argc - 1];
  // The destination is emptied only once every source has opened. A pipe's
  // bytes come once, so it stays open; a regular file is closed and opened
  // again for its copy, so that more files than may be open at once join.
  std::vector<File> held;
  for (int i = 2; i < argc - 1; ++i) {
    File in = File::open(argv[i], Role::kStreamedSource);
    if (!in) {
      return fail(kFileCouldNotBeOpened);
    }
    if (refuse_same_file(in, destination)) {
      return kFailed;
    }
    held.push_back(in.regular() ? File() : std::move(in));
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  File out = File::open(destination, Role::kNewDestination);
  if (!out) {
    return fail(kCantCreateFile);
  }
  for (int i = 2; i < argc - 1; ++i) {
    File& once = held[static_cast<size_t>(i - 2)];
    File in =
        once ? std::move(once) : File::open(argv[i], Role::kStreamedSource);
    if (!in) {
      return fail(kFileCouldNotBeOpened);
    }
    if (CopyEnd end = copy_bytes(in, out, kToEnd, block.span());
        end != CopyEnd::kDone) {
      return fail_copy(end);
    }
  }
  return out.close() ? kDone : fail(kCantWriteToFile);
}

}  // namespace bintool
