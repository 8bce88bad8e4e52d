// U: write a whole source into an existing destination at an address, in
// place.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "assemble/ranges.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

// Source and destination are one file: copy the first `count` bytes to
// `address` as they were before the command. Going from the end backwards,
// every block is read before any write can reach it; blocks start at whole
// multiples of their size, on a page.
CopyEnd move_within(File& in, File& out, uint64_t count, uint64_t address,
                    std::span<uint8_t> block) {
  for (uint64_t end = count; address != 0 && end > 0;) {
    uint64_t start = (end - 1) / block.size() * block.size();
    auto size = static_cast<size_t>(end - start);
    if (in.read_at(start, block.first(size)) != size) {
      return CopyEnd::kReadFailed;
    }
    if (!out.write_at(address + start, block.first(size))) {
      return CopyEnd::kWriteFailed;
    }
    end = start;
  }
  return CopyEnd::kDone;
}

}  // namespace

int BinaryTool::insert(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 4, kTooFewParams, kCantCreateFile);
  if (!source) {
    return kFailed;
  }
  auto& [in, count, name] = *source;
  uint64_t address = insert_address(argc, argv);
  File out = File::open(argv[3], Role::kInPlace);
  if (!out) {
    return fail(file_failure(kCantOpenFile, argv[3], out.error()));
  }
  if (count <= 0) {
    return kDone;
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  auto bytes = static_cast<uint64_t>(count);
  CopyEnd end = !out.seek(address) ? CopyEnd::kWriteFailed
                : same_file(in, out)
                    ? move_within(in, out, bytes, address, block.span())
                    : copy_bytes(in, out, bytes, block.span());
  end = close_after(end, out);
  if (end != CopyEnd::kDone) {
    return fail(copy_failure(end, name, in, argv[3], out));
  }
  return kDone;
}

}  // namespace bintool
