// L: join source files, in argument order, into one destination.
#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "assemble/block_copy.h"

namespace bintool {

int BinaryTool::concatenate(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* destination = argv[argc - 1];
  // Creating the destination empties it, so a destination that is also a
  // source would lose its bytes before they are read.
  for (int i = 2; i < argc - 1; ++i) {
    if (refuse_same_file(argv[i], destination)) {
      return -1;
    }
  }
  Buffer block = Buffer::allocate_halving(kBlockSize, 4096);
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
    // A source that did not exist until the destination was created under
    // its name would be read while it grows, without end.
    if (same_file(in, out)) {
      return fail(kSameFile);
    }
    if (copy_bytes(in, out, kToEnd, block.span()).write_failed) {
      return fail(kCantWriteToFile);
    }
  }
  if (!out.close()) {
    return fail(kCantWriteToFile);
  }
  return 0;
}

}  // namespace bintool
