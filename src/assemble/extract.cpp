// I: copy a range of a source, from an address, into a new file.
#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "assemble/block_copy.h"
#include "assemble/ranges.h"

namespace bintool {

int BinaryTool::extract(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* source = argv[2];
  const char* destination = argv[3];
  ExtractRange range = extract_range(argc, argc > 4 ? argv[4] : nullptr,
                                     argc > 5 ? argv[5] : nullptr);
  // A missing source is reported twice: here and by the open below. One
  // that opens but cannot be measured (a pipe) is reported once.
  int64_t length = file_length(source);
  File in = File::open(source, OpenMode::kRead);
  if (!in) {
    return fail(kCantCreateFile);
  }
  if (length < 0) {
    return -1;
  }
  if (refuse_same_file(source, destination)) {
    return -1;
  }
  Buffer block = Buffer::allocate_halving(kBlockSize, 4096);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  File out = File::open(destination, OpenMode::kCreate);
  if (!out) {
    return fail(kCantCreateFile);
  }
  // An address past the end leaves nothing to read: the destination stays
  // empty.
  if (!in.seek(range.address)) {
    return 0;
  }
  if (copy_bytes(in, out, range.limit, block.span()).write_failed ||
      !out.close()) {
    return fail(kCantWriteToFile);
  }
  return 0;
}

}  // namespace bintool
