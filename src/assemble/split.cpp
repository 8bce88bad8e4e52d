// R: cut one source into equal pieces, one per destination.
#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "assemble/ranges.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::split(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* source = argv[2];
  int64_t length = file_length(source);
  File in = File::open(source, OpenMode::kRead);
  if (!in) {
    return fail(kCantCreateFile);
  }
  if (length < 0) {
    return kFailed;
  }
  uint64_t take = piece_read_length(length, argc - 3);
  for (int i = 3; i < argc; ++i) {
    if (refuse_same_file(source, argv[i])) {
      return kFailed;
    }
  }
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  for (int i = 3; i < argc; ++i) {
    File out = File::open(argv[i], OpenMode::kCreate);
    if (!out) {
      return fail(kFileCouldNotBeOpened);
    }
    CopyEnd end = copy_bytes(in, out, take, block.span());
    if (end != CopyEnd::kDone || !out.close()) {
      return fail_copy(end);
    }
  }
  return kDone;
}

}  // namespace bintool
