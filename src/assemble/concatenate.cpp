// L: join source files, in argument order, into one destination.
#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::concatenate(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* destination = argv[argc - 1];
  // Creating the destination empties it, so it is created only once every
  // source is known to open, and never when it is a source itself.
  for (int i = 2; i < argc - 1; ++i) {
    if (refuse_same_file(argv[i], destination)) {
      return kFailed;
    }
    if (!File::open(argv[i], OpenMode::kRead)) {
      return fail(kFileCouldNotBeOpened);
    }
  }
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  File out = File::open(destination, OpenMode::kCreate);
  if (!out) {
    return fail(kCantCreateFile);
  }
  for (int i = 2; i < argc - 1; ++i) {
    File in = File::open(argv[i], OpenMode::kRead);
    if (!in) {
      return fail(kFileCouldNotBeOpened);
    }
    if (CopyEnd end = copy_bytes(in, out, kToEnd, block.span());
        end != CopyEnd::kDone) {
      return fail_copy(end);
    }
  }
  if (!out.close()) {
    return fail(kCantWriteToFile);
  }
  return kDone;
}

}  // namespace bintool
