// I: copy a range of a source, from an address, into a new file.
#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "assemble/ranges.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::extract(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* source = argv[2];
  const char* destination = argv[3];
  ExtractRange range = extract_range(argc, argv);
  // A missing source is reported twice, the second time with the text
  // these commands have always used.
  auto [in, length] = measure_and_open(source, kCantCreateFile);
  if (!in) {
    return kFailed;
  }
  if (refuse_same_file(source, destination)) {
    return kFailed;
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  File out = File::open(destination, OpenMode::kCreate);
  if (!out) {
    return fail(kCantCreateFile);
  }
  // An address past the end leaves nothing to read: the destination stays
  // empty.
  if (!in.seek(range.address)) {
    return kDone;
  }
  CopyEnd end = copy_bytes(in, out, range.limit, block.span());
  if (end != CopyEnd::kDone || !out.close()) {
    return fail_copy(end);
  }
  return kDone;
}

}  // namespace bintool
