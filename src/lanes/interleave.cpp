// S and O: join two 8-bit lanes into a 16-bit image, and split it again.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/buffer.h"
#include "io/file.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

// Bytes of each lane per block; the image side of a block is twice that.
constexpr size_t kLaneBlock = kBlockSize / 2;

}  // namespace

int BinaryTool::interleave(int argc, char* argv[]) {
  require_args(argc, 5, kTooFewParams);
  const char* even_name = argv[2];
  const char* odd_name = argv[3];
  const char* image_name = argv[4];
  // Two missing sources both measure -1 and so pass this check; the open
  // below then reports them.
  int64_t length = file_length(even_name);
  if (length != file_length(odd_name)) {
    return fail(kFilesNotSameSize);
  }
  File even = File::open(even_name, OpenMode::kRead);
  if (!even) {
    return fail(kCantOpenFile);
  }
  File odd = File::open(odd_name, OpenMode::kRead);
  if (!odd) {
    return fail(kCantOpenFile);
  }
  // Sources that open but cannot be measured (pipes) were reported already.
  if (length < 0) {
    return kFailed;
  }
  if (refuse_same_file(even_name, image_name) ||
      refuse_same_file(odd_name, image_name)) {
    return kFailed;
  }
  Buffer block = Buffer::allocate(4 * kLaneBlock);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  File image = File::open(image_name, OpenMode::kCreate);
  if (!image) {
    return fail(kCantCreateFile);
  }
  auto lane_a = block.span().first(kLaneBlock);
  auto lane_b = block.span().subspan(kLaneBlock, kLaneBlock);
  auto joined = block.span().subspan(2 * kLaneBlock);
  for (;;) {
    std::optional<size_t> got_a = even.read(lane_a);
    std::optional<size_t> got_b = odd.read(lane_b);
    if (!got_a || !got_b) {
      return fail(kCantReadFile);
    }
    size_t count =
        interleave_lanes(lane_a.first(*got_a), lane_b.first(*got_b), joined);
    if (!image.write(joined.first(count))) {
      return fail(kCantWriteToFile);
    }
    if (*got_a < kLaneBlock || *got_b < kLaneBlock) {
      break;
    }
  }
  if (!image.close()) {
    return fail(kCantWriteToFile);
  }
  return kDone;
}

int BinaryTool::deinterleave(int argc, char* argv[]) {
  require_args(argc, 5, kTooFewParams);
  const char* image_name = argv[2];
  const char* even_name = argv[3];
  const char* odd_name = argv[4];
  // A missing source is reported twice: here and by the open below. One
  // that opens but cannot be measured (a pipe) is reported once.
  int64_t length = file_length(image_name);
  File image = File::open(image_name, OpenMode::kRead);
  if (!image) {
    return fail(kCantOpenFile);
  }
  if (length < 0) {
    return kFailed;
  }
  if (refuse_same_file(image_name, even_name) ||
      refuse_same_file(image_name, odd_name)) {
    return kFailed;
  }
  Buffer block = Buffer::allocate(4 * kLaneBlock);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  // Scripts expect this text, not "Can't create file", for the first lane.
  File even = File::open(even_name, OpenMode::kCreate);
  if (!even) {
    return fail(kCantOpenFile);
  }
  File odd = File::open(odd_name, OpenMode::kCreate);
  if (!odd) {
    return fail(kCantCreateFile);
  }
  auto whole = block.span().first(2 * kLaneBlock);
  uint8_t* lane_a = block.data() + 2 * kLaneBlock;
  uint8_t* lane_b = lane_a + kLaneBlock;
  for (;;) {
    std::optional<size_t> read = image.read(whole);
    if (!read) {
      return fail(kCantReadFile);
    }
    size_t got = *read;
    deinterleave_lanes(whole.first(got), lane_a, lane_b);
    if (!even.write({lane_a, (got + 1) / 2}) || !odd.write({lane_b, got / 2})) {
      return fail(kCantWriteToFile);
    }
    if (got < whole.size()) {
      break;
    }
  }
  if (!even.close() || !odd.close()) {
    return fail(kCantWriteToFile);
  }
  return kDone;
}

}  // namespace bintool
