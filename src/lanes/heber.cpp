// 1 to 4: the HEBER conversions between two EPROM images and one. Each
// destination is written in blocks, from the source bytes its block needs.
#include <optional>
#include <utility>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
#include "app/messages.h"
#include "io/file.h"
#include "lanes/eprom_source.h"
#include "lanes/heber_stream.h"

namespace bintool {
namespace {

// Images of 2 GiB or more have always been refused as memory that cannot be
// had (buffer sizes were signed 32-bit counts); scripts may rely on that.
constexpr int64_t kLargestBuffer = INT32_MAX;

// `file`, measured at `size` bytes, as an EPROM source; no value after "Can't
// read file" when it gives no byte at all (a medium that fails, a file
// emptied meanwhile).
std::optional<EpromFile> readable(File file, uint64_t size) {
  EpromFile source(std::move(file), size);
  if (!source.first_byte_reads()) {
    fail(kCantReadFile);
    return std::nullopt;
  }
  return source;
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], Board board) {
  if (!require_args(argc, 5, kTooFewParams)) {
    return kFailed;
  }
  auto [first_file, n] = tool.open_source(argv[2]);
  auto [second_file, second_length] = tool.open_source(argv[3]);
  if (n != second_length) {
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
  auto size = static_cast<uint64_t>(n);
  HeberBlocks blocks;
  if (!blocks) {
    return kFailed;
  }
  std::optional<EpromFile> first = readable(std::move(first_file), size);
  std::optional<EpromFile> second =
      first ? readable(std::move(second_file), size) : std::nullopt;
  if (!second) {
    return kFailed;
  }
  // A source that is also the destination is replaced by a new file, made
  // beside it, once the image is whole.
  const File* sources[] = {&first->file(), &second->file()};
  Destinations image({argv + 4, 1}, sources, InPlace::kYes, kCantCreateFile);
  if (!image.refuse()) {
    return kFailed;
  }
  File* file = image.start(0);
  if (!file) {
    return kFailed;
  }
  if (write_image(*file, board, size, *first, *second, blocks) != kDone) {
    return kFailed;
  }
  first->close();
  second->close();
  return image.finish() ? kDone : fail(kCantWriteToFile);
}

int split_image(BinaryTool& tool, int argc, char* argv[], Board board) {
  std::optional<BinaryTool::Source> source =
      tool.checked_source(argc, argv, 5, kTooFewParams);
  if (!source || source->length == 0) {
    return kFailed;
  }
  auto& [file, length] = *source;
  if (length > kLargestBuffer) {
    return fail(kCantCreateBuffer);
  }
  auto size = static_cast<uint64_t>(length);
  HeberBlocks blocks;
  if (!blocks) {
    return kFailed;
  }
  std::optional<EpromFile> image = readable(std::move(file), size);
  if (!image) {
    return kFailed;
  }
  const File* sources[] = {&image->file()};
  Destinations eproms({argv + 3, 2}, sources, InPlace::kYes, kCantCreateFile);
  if (!eproms.refuse()) {
    return kFailed;
  }
  // When the second cannot be had, a first EPROM in a new file is still made
  // whole before that is said; one that would replace the image is not.
  bool both = eproms.ready(1);
  if (!both && eproms.replaces(0)) {
    return fail(kCantCreateFile);
  }
  if (!eproms.begin(both ? 2 : 1)) {
    return kFailed;
  }
  if (write_eproms(eproms.file(0), both ? &eproms.file(1) : nullptr, board,
                   size, *image, blocks) != kDone) {
    return kFailed;
  }
  image->close();
  if (!eproms.finish()) {
    return fail(kCantWriteToFile);
  }
  return both ? kDone : fail(kCantCreateFile);
}

}  // namespace

int BinaryTool::heber_program_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, Board::kProgram);
}

int BinaryTool::heber_program_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, Board::kProgram);
}

int BinaryTool::heber_video_join(int argc, char* argv[]) {
  return join_eproms(*this, argc, argv, Board::kVideo);
}

int BinaryTool::heber_video_split(int argc, char* argv[]) {
  return split_image(*this, argc, argv, Board::kVideo);
}

}  // namespace bintool
