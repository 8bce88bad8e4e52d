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
  // A missing source is reported twice, the second time with the text
  // these commands have always used.
  auto [in, length] = measure_and_open(source, kCantCreateFile);
  if (!in) {
    return kFailed;
  }
  uint64_t take = piece_read_length(length, argc - 3);
  for (int i = 3; i < argc; ++i) {
    if (refuse_same_file(source, argv[i])) {
      return kFailed;
    }
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
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
