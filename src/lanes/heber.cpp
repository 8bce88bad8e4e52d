// 1 to 4: the HEBER conversions between two EPROM images and one. All four
// read every source whole before they create anything, so a source may also
// be named as a destination.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "io/buffer.h"
#include "io/file.h"
#include "io/whole_file.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

using JoinLayout = void (*)(std::span<const uint8_t>, std::span<const uint8_t>,
                            uint64_t, std::span<uint8_t>);
using SplitLayout = void (*)(std::span<const uint8_t>, int, uint64_t,
                             std::span<uint8_t>);

// Buffer sizes have always been signed 32-bit counts; a larger image is
// refused as memory that cannot be had.
constexpr int64_t kLargestBuffer = INT32_MAX;

// Loads the whole of `name`, with the message for each way that can fail.
// A read counts as failed only when it delivers no byte at all.
int load_source(WholeFile& source, const char* name, size_t size,
                bool private_copy) {
  switch (source.load(name, size, private_copy)) {
    case WholeFile::Status::kOk:
      return kDone;
    case WholeFile::Status::kCantOpen:
      return fail(kCantOpenFile);
    case WholeFile::Status::kCantRead:
      return fail(kCantReadFile);
    case WholeFile::Status::kNoMemory:
      return fail(kCantCreateBuffer);
  }
  return kFailed;
}

// Creates `name` and writes `size` bytes that `fill` produces a block at a
// time: fill(first, out) fills `out` with bytes [first, first + out.size()).
template <typename Fill>
int write_blocks(const char* name, uint64_t size, std::span<uint8_t> block,
                 Fill fill) {
  File file = File::open(name, OpenMode::kCreate);
  if (!file) {
    return fail(kCantCreateFile);
  }
  for (uint64_t first = 0; first < size; first += block.size()) {
    auto out = block.first(
        static_cast<size_t>(std::min<uint64_t>(block.size(), size - first)));
    if (!run_guarded([&] { fill(first, out); })) {
      return fail(kCantReadFile);
    }
    if (!file.write(out)) {
      return fail(kCantWriteToFile);
    }
  }
  if (!file.close()) {
    return fail(kCantWriteToFile);
  }
  return kDone;
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], JoinLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t n = tool.file_length(argv[2]);
  if (n != tool.file_length(argv[3])) {
    return fail(kFilesNotTheSameSize);
  }
  if (n <= 0) {
    return kFailed;
  }
  // Each word takes two bytes of each EPROM; an odd length has no sound
  // image.
  if (n % 2 != 0) {
    return fail(kFilesMustHaveEvenLength);
  }
  if (n > kLargestBuffer / 2) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<size_t>(n);
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  // A source that is also the destination is emptied before the image is
  // written, so it must be copied whole first.
  bool in_place = same_file(argv[2], argv[4]) || same_file(argv[3], argv[4]);
  WholeFile first;
  WholeFile second;
  if (load_source(first, argv[2], size, in_place) != 0 ||
      load_source(second, argv[3], size, in_place) != 0) {
    return kFailed;
  }
  return write_blocks(argv[4], 2 * uint64_t{size}, block.span(),
                      [&](uint64_t at, std::span<uint8_t> out) {
                        layout(first.bytes(), second.bytes(), at, out);
                      });
}

int split_image(BinaryTool& tool, int argc, char* argv[], SplitLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t length = tool.file_length(argv[2]);
  if (length <= 0) {
    return kFailed;
  }
  if (length > kLargestBuffer) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<size_t>(length);
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  bool in_place = same_file(argv[2], argv[3]) || same_file(argv[2], argv[4]);
  WholeFile image;
  if (load_source(image, argv[2], size, in_place) != 0) {
    return kFailed;
  }
  // The first EPROM image is complete on disk before the second is created.
  for (int lane = 0; lane < 2; ++lane) {
    int result = write_blocks(argv[3 + lane], size / 2, block.span(),
                              [&](uint64_t at, std::span<uint8_t> out) {
                                layout(image.bytes(), lane, at, out);
                              });
    if (result != 0) {
      return result;
    }
  }
  return kDone;
}

}  // namespace

int BinaryTool::heber_program_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, &bintool::heber_program_join);
}

int BinaryTool::heber_program_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, &bintool::heber_program_split);
}

int BinaryTool::heber_video_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, &bintool::heber_video_join);
}

int BinaryTool::heber_video_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, &bintool::heber_video_split);
}

}  // namespace bintool
