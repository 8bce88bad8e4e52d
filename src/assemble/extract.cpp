// I: copy a range of a source, from an address, into a new file.
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

int BinaryTool::extract(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 4, kTooFewParams, kCantCreateFile);
  if (!source) {
    return kFailed;
  }
  auto& [in, length] = *source;
  ExtractRange range = extract_range(argc, argv);
  // Nothing is read past the measured end (a device may have none): an
  // address at or past it leaves the destination empty.
  auto end_at = static_cast<uint64_t>(length);
  uint64_t limit = range.address < end_at
                       ? std::min(range.limit, end_at - range.address)
                       : 0;
  if (limit != 0 && !in.seek(range.address)) {
    return fail(kCantReadFile);
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  const File* sources[] = {&in};
  Destinations destination({argv + 3, 1}, sources, InPlace::kNo,
                           kCantCreateFile);
  if (!destination.refuse()) {
    return kFailed;
  }
  File* out = destination.start(0);
  if (!out) {
    return kFailed;
  }
  CopyEnd end = copy_bytes(in, *out, limit, block.span());
  if (end == CopyEnd::kDone && !destination.finish()) {
    end = CopyEnd::kCloseFailed;
  }
  return end == CopyEnd::kDone ? kDone : fail_copy(end);
}

}  // namespace bintool
