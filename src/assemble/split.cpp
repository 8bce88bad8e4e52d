// R: cut one source into equal pieces, one per destination.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "assemble/ranges.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::split(int argc, char* argv[]) {
  if (!require_args(argc, 4, kTooFewParams)) {
    return kFailed;
  }
  const char* source = argv[2];
  if (refuse_shared_destination({argv + 3, argv + argc})) {
    return kFailed;
  }
  auto [in, length] = open_source(source, kCantCreateFile);
  if (length < 0) {
    return kFailed;
  }
  uint64_t take = piece_read_length(length, argc - 3);
  // Nothing is read past the measured end (a device may have none).
  auto left = static_cast<uint64_t>(length);
  for (int i = 3; i < argc; ++i) {
    if (refuse_same_file(in, argv[i])) {
      return kFailed;
    }
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  for (int i = 3; i < argc; ++i) {
    File out = File::open(argv[i], Role::kNewDestination);
    if (!out) {
      return fail(kFileCouldNotBeOpened);
    }
    uint64_t piece = std::min(take, left);
    left -= piece;
    CopyEnd end = close_after(copy_bytes(in, out, piece, block.span()), out);
    if (end != CopyEnd::kDone) {
      return fail_copy(end);
    }
  }
  return kDone;
}

}  // namespace bintool
