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
  // A source that cannot be measured was said already: the size message
  // after it stands on standard output alone, as users have always seen it.
  // Two missing sources both measure -1 and so pass the size check; that is
  // said once more as a source not open.
  auto [even, length, even_name] = open_source(argv[2]);
  auto [odd, odd_length, odd_name] = open_source(argv[3]);
  if (length != odd_length) {
    return fail(length < 0 || odd_length < 0
                    ? plain(kFilesNotSameSize)
                    : lengths_differ(kFilesNotSameSize, even_name, length,
                                     odd_name, odd_length));
  }
  if (!even || !odd) {
    return fail(plain(kCantOpenFile));
  }
  // Sources that open but cannot be measured (pipes) were said already.
  if (length < 0) {
    return kFailed;
  }
  // Bytes of each lane per step; the image side of a step is twice that.
  const size_t lane = shuffle_block_size();
  Buffer block = block_or_fail(4 * lane);
  if (!block) {
    return kFailed;
  }
  const NamedFile sources[] = {{&even, even_name}, {&odd, odd_name}};
  Destinations destination({argv + 4, 1}, sources,
                           {.cant_have = kCantCreateFile});
  if (std::optional<Failure> refused = destination.refusal()) {
    return fail(*refused);
  }
  if (std::optional<Failure> failure = destination.start(0)) {
    return fail(*failure);
  }
  File& image = destination.file(0);
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
      return fail(!got_a ? read_failure(even_name, even)
                         : read_failure(odd_name, odd));
    }
    size_t count = interleave_lanes(*got_a, *got_b, joined);
    if (!image.write(joined.first(count))) {
      return fail(write_failure(argv[4], image));
    }
    // A lane that ends early (it shrank) ends the image.
    if (got_a->size() < lane || got_b->size() < lane) {
      break;
    }
  }
  if (std::optional<Failure> failure = destination.finish()) {
    return fail(*failure);
  }
  return kDone;
}

int BinaryTool::deinterleave(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 5, kTooFewParams, kCantOpenFile);
  if (!source) {
    return kFailed;
  }
  auto& [image, length, name] = *source;
  const size_t lane = shuffle_block_size();
  Buffer block = block_or_fail(4 * lane);
  if (!block) {
    return kFailed;
  }
  // Scripts expect "Can't open file", not "Can't create file", for the
  // first lane. Neither lane is emptied before both are had.
  const NamedFile sources[] = {{&image, name}};
  Destinations lanes(
      {argv + 3, 2}, sources,
      {.cant_have = kCantCreateFile, .cant_have_first = kCantOpenFile});
  if (std::optional<Failure> refused = lanes.refusal()) {
    return fail(*refused);
  }
  if (std::optional<Failure> failure = lanes.start_together(2)) {
    return fail(*failure);
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
      return fail(read_failure(name, image));
    }
    size_t size = got->size();
    auto even_bytes = lane_a.first((size + 1) / 2);
    auto odd_bytes = lane_b.first(size / 2);
    deinterleave_lanes(*got, even_bytes, odd_bytes);
    if (!even.write(even_bytes)) {
      return fail(write_failure(argv[3], even));
    }
    if (!odd.write(odd_bytes)) {
      return fail(write_failure(argv[4], odd));
    }
    if (size < whole.size()) {
      break;
    }
  }
  if (std::optional<Failure> failure = lanes.finish()) {
    return fail(*failure);
  }
  return kDone;
}

}  // namespace bintool
