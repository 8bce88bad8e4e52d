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
  auto& [in, length, name] = *source;
  ExtractRange range = extract_range(argc, argv);
  // Nothing is read past the measured end (a device may have none): an
  // address at or past it leaves the destination empty.
  auto end_at = static_cast<uint64_t>(length);
  uint64_t limit = range.address < end_at
                       ? std::min(range.limit, end_at - range.address)
                       : 0;
  if (limit != 0 && !in.seek(range.address)) {
    return fail(read_failure(name, in));
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  const NamedFile sources[] = {{&in, name}};
  Destinations destination({argv + 3, 1}, sources,
                           {.cant_have = kCantCreateFile});
  if (std::optional<Failure> refused = destination.refusal()) {
    return fail(*refused);
  }
  if (std::optional<Failure> failure = destination.start(0)) {
    return fail(*failure);
  }
  File& out = destination.file(0);
  if (CopyEnd end = copy_bytes(in, out, limit, block.span());
      end != CopyEnd::kDone) {
    return fail(copy_failure(end, name, in, argv[3], out));
  }
  if (std::optional<Failure> failure = destination.finish()) {
    return fail(*failure);
  }
  return kDone;
}

}  // namespace bintool
