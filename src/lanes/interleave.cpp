// S and O: join two 8-bit lanes into a 16-bit image, and split it again.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
#include "app/messages.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"
#include "lanes/lane_layout.h"
#include "lanes/shuffle_block.h"

namespace bintool {

int BinaryTool::interleave(int argc, char* argv[]) {
  if (!require_args(argc, 5, kTooFewParams)) {
    return kFailed;
  }
  // Two missing sources both measure -1 and so pass this check; that is
  // said once more as a source not open, as users have always seen it.
  auto [even, length] = open_source(argv[2]);
  auto [odd, odd_length] = open_source(argv[3]);
  if (length != odd_length) {
    return fail(kFilesNotSameSize);
  }
  if (!even || !odd) {
    return fail(kCantOpenFile);
  }
  // Sources that open but cannot be measured (pipes) were reported already.
  if (length < 0) {
    return kFailed;
  }
  // Bytes of each lane per step; the image side of a step is twice that.
  const size_t lane = shuffle_block_size();
  Buffer block = block_or_fail(4 * lane);
  if (!block) {
    return kFailed;
  }
  const File* sources[] = {&even, &odd};
  Destinations destination({argv + 4, 1}, sources, InPlace::kNo,
                           kCantCreateFile);
  if (!destination.refuse()) {
    return kFailed;
  }
  File* image = destination.start(0);
  if (!image) {
    return kFailed;
  }
  auto lane_a = block.span().first(lane);
  auto lane_b = block.span().subspan(lane, lane);
  auto joined = block.span().subspan(2 * lane);
  // Nothing is read past the measured length (a device may have no end).
  BlockReader reader_a(even, static_cast<uint64_t>(length));
  BlockReader reader_b(odd, static_cast<uint64_t>(length));
  for (;;) {
    std::optional<std::span<uint8_t>> got_a = reader_a.next(lane_a);
    std::optional<std::span<uint8_t>> got_b = reader_b.next(lane_b);
    if (!got_a || !got_b) {
      return fail(kCantReadFile);
    }
    size_t count = interleave_lanes(*got_a, *got_b, joined);
    if (!image->write(joined.first(count))) {
      return fail(kCantWriteToFile);
    }
    // A lane that ends early (it shrank) ends the image.
    if (got_a->size() < lane || got_b->size() < lane) {
      break;
    }
  }
  return destination.finish() ? kDone : fail(kCantWriteToFile);
}

int BinaryTool::deinterleave(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 5, kTooFewParams, kCantOpenFile);
  if (!source) {
    return kFailed;
  }
  auto& [image, length] = *source;
  const size_t lane = shuffle_block_size();
  Buffer block = block_or_fail(4 * lane);
  if (!block) {
    return kFailed;
  }
  // Scripts expect "Can't open file", not "Can't create file", for the
  // first lane. Neither lane is emptied before both are open.
  const File* sources[] = {&image};
  Destinations lanes({argv + 3, 2}, sources, InPlace::kNo, kCantCreateFile,
                     kCantOpenFile);
  if (!lanes.refuse()) {
    return kFailed;
  }
  if (!lanes.ready(0)) {
    return fail(kCantOpenFile);
  }
  if (!lanes.ready(1)) {
    return fail(kCantCreateFile);
  }
  if (!lanes.begin(2)) {
    return kFailed;
  }
  File& even = lanes.file(0);
  File& odd = lanes.file(1);
  auto whole = block.span().first(2 * lane);
  auto lane_a = block.span().subspan(2 * lane, lane);
  auto lane_b = block.span().subspan(3 * lane, lane);
  BlockReader reader(image, static_cast<uint64_t>(length));
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(whole);
    if (!got) {
      return fail(kCantReadFile);
    }
    size_t size = got->size();
    auto even_bytes = lane_a.first((size + 1) / 2);
    auto odd_bytes = lane_b.first(size / 2);
    deinterleave_lanes(*got, even_bytes, odd_bytes);
    if (!even.write(even_bytes) || !odd.write(odd_bytes)) {
      return fail(kCantWriteToFile);
    }
    if (size < whole.size()) {
      break;
    }
  }
  return lanes.finish() ? kDone : fail(kCantWriteToFile);
}

}  // namespace bintool
