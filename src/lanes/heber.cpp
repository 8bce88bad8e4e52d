// 1 to 4: the HEBER conversions between two EPROM images and one. All four
// read every source whole before they create anything, so a source may also
// be named as a destination.
#include <cstring>

#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "lanes/lane_layout.h"

namespace bintool {
namespace {

using JoinLayout = void (*)(std::span<const uint8_t>, std::span<const uint8_t>,
                            std::span<uint8_t>);
using SplitLayout = void (*)(std::span<uint8_t>, std::span<uint8_t>,
                             std::span<uint8_t>);

// Buffer sizes have always been signed 32-bit counts; a larger image is
// refused as memory that cannot be had.
constexpr int64_t kLargestBuffer = INT32_MAX;

// Reads the whole of `name` into `into`. A read counts as failed only when it
// delivers no byte at all; what a short read leaves unfilled is zero.
int read_whole(const char* name, std::span<uint8_t> into) {
  File file = File::open(name, OpenMode::kRead);
  if (!file) {
    return fail(kCantOpenFile);
  }
  size_t got = file.read(into);
  if (got == 0) {
    return fail(kCantReadFile);
  }
  std::memset(into.data() + got, 0, into.size() - got);
  return 0;
}

int write_whole(const char* name, std::span<const uint8_t> bytes) {
  File file = File::open(name, OpenMode::kCreate);
  if (!file) {
    return fail(kCantCreateFile);
  }
  if (!file.write(bytes) || !file.close()) {
    return fail(kCantWriteToFile);
  }
  return 0;
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], JoinLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t n = tool.file_length(argv[2]);
  if (n != tool.file_length(argv[3])) {
    return fail(kFilesNotTheSameSize);
  }
  if (n <= 0) {
    return -1;
  }
  // Each word takes two bytes of each EPROM; an odd length has no sound
  // image.
  if (n % 2 != 0) {
    return fail(kFilesMustHaveEvenLength);
  }
  if (2 * n > kLargestBuffer) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<size_t>(n);
  Buffer first = Buffer::allocate(size);
  Buffer second = Buffer::allocate(size);
  Buffer image = Buffer::allocate(2 * size);
  if (!first || !second || !image) {
    return fail(kCantCreateBuffer);
  }
  if (read_whole(argv[2], first.span()) != 0 ||
      read_whole(argv[3], second.span()) != 0) {
    return -1;
  }
  layout(first.span(), second.span(), image.span());
  return write_whole(argv[4], image.span());
}

int split_image(BinaryTool& tool, int argc, char* argv[], SplitLayout layout) {
  require_args(argc, 5, kTooFewParams);
  int64_t length = tool.file_length(argv[2]);
  if (length <= 0) {
    return -1;
  }
  if (length > kLargestBuffer) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<size_t>(length);
  Buffer image = Buffer::allocate(size);
  Buffer first = Buffer::allocate(size / 2);
  Buffer second = Buffer::allocate(size / 2);
  if (!image || !first || !second) {
    return fail(kCantCreateBuffer);
  }
  if (read_whole(argv[2], image.span()) != 0) {
    return -1;
  }
  layout(image.span(), first.span(), second.span());
  // The first EPROM image is complete on disk before the second is created.
  if (write_whole(argv[3], first.span()) != 0) {
    return -1;
  }
  return write_whole(argv[4], second.span());
}

void video_split(std::span<uint8_t> image, std::span<uint8_t> e1,
                 std::span<uint8_t> e2) {
  heber_video_split(image, e1, e2);
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
  return split_image(*this, argc, argv, &video_split);
}

}  // namespace bintool
