// U: write a whole source into an existing destination at an address, in
// place.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "assemble/block_copy.h"
#include "assemble/ranges.h"

namespace bintool {
namespace {

// Source and destination are one file: copy the first `count` bytes to
// `address` as they were before the command. Going from the end backwards,
// every block is read before any write can reach it.
bool move_within(File& in, File& out, uint64_t count, uint64_t address,
                 std::span<uint8_t> block) {
  if (address == 0) {
    return true;
  }
  uint64_t end = count;
  while (end > 0) {
    uint64_t start = end - std::min<uint64_t>(end, block.size());
    auto size = static_cast<size_t>(end - start);
    if (!in.seek(start) || in.read(block.first(size)) != size ||
        !out.seek(address + start) || !out.write(block.first(size))) {
      return false;
    }
    end = start;
  }
  return true;
}

}  // namespace

int BinaryTool::insert(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  const char* source = argv[2];
  const char* destination = argv[3];
  uint64_t address = insert_address(argc, argc > 4 ? argv[4] : nullptr);
  int64_t count = file_length(source);
  File in = File::open(source, OpenMode::kRead);
  if (!in) {
    return fail(kCantCreateFile);
  }
  if (count < 0) {
    return -1;
  }
  File out = File::open(destination, OpenMode::kUpdate);
  if (!out) {
    return fail(kCantOpenFile);
  }
  if (count <= 0) {
    return 0;
  }
  Buffer block = Buffer::allocate_halving(kBlockSize, 4096);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  auto bytes = static_cast<uint64_t>(count);
  bool ok = same_file(source, destination)
                ? move_within(in, out, bytes, address, block.span())
                : out.seek(address) &&
                      !copy_bytes(in, out, bytes, block.span()).write_failed;
  if (!ok || !out.close()) {
    return fail(kCantWriteToFile);
  }
  return 0;
}

}  // namespace bintool
