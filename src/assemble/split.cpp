// R: cut one source into equal pieces, one per destination.
#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "assemble/block_copy.h"
#include "assemble/ranges.h"

namespace bintool {

int BinaryTool::split(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* source = argv[2];
  int64_t length = file_length(source);
  uint64_t take = piece_read_length(length, argc - 3);
  File in = File::open(source, OpenMode::kRead);
  if (!in) {
    return fail(kCantCreateFile);
  }
  if (length < 0) {
    return -1;
  }
  for (int i = 3; i < argc; ++i) {
    if (refuse_same_file(source, argv[i])) {
      return -1;
    }
  }
  Buffer block = Buffer::allocate_halving(kBlockSize, 4096);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  for (int i = 3; i < argc; ++i) {
    File out = File::open(argv[i], OpenMode::kCreate);
    if (!out) {
      return fail(kFileCouldNotBeOpened);
    }
    if (copy_bytes(in, out, take, block.span()).write_failed || !out.close()) {
      return fail(kCantWriteToFile);
    }
  }
  return 0;
}

}  // namespace bintool
