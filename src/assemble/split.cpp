// R: cut one source into equal pieces, one per destination.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
#include "app/messages.h"
#include "assemble/ranges.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::split(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 4, kTooFewParams, kCantCreateFile);
  if (!source) {
    return kFailed;
  }
  File& in = source->file;
  uint64_t take = piece_read_length(source->length, argc - 3);
  // Nothing is read past the measured end (a device may have none).
  auto left = static_cast<uint64_t>(source->length);
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  // Each piece is whole before the next destination is emptied.
  const NamedFile sources[] = {{&in, argv[2]}};
  Destinations pieces({argv + 3, argv + argc}, sources,
                      {.cant_have = kFileCouldNotBeOpened});
  if (std::optional<Failure> refused = pieces.refusal()) {
    return fail(*refused);
  }
  for (size_t i = 0; i < static_cast<size_t>(argc - 3); ++i) {
    if (std::optional<Failure> failure = pieces.start(i)) {
      return fail(*failure);
    }
    File& out = pieces.file(i);
    uint64_t piece = std::min(take, left);
    left -= piece;
    if (CopyEnd end = copy_bytes(in, out, piece, block.span());
        end != CopyEnd::kDone) {
      return fail(copy_failure(end, argv[2], in, argv[3 + i], out));
    }
    if (std::optional<Failure> failure = pieces.close(i)) {
      return fail(*failure);
    }
  }
  return kDone;
}

}  // namespace bintool
