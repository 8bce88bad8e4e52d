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

// `source` as an EPROM image; no value after "Can't read file" when it gives
// no byte at all (a medium that fails, a file emptied meanwhile).
std::optional<EpromFile> readable(BinaryTool::Source& source) {
  EpromFile image(std::move(source.file), static_cast<uint64_t>(source.length),
                  source.name);
  if (!image.first_byte_reads()) {
    fail(image.read_failure());
    return std::nullopt;
  }
  return image;
}

int join_eproms(BinaryTool& tool, int argc, char* argv[], Board board) {
  if (!require_args(argc, 5, kTooFewParams)) {
    return kFailed;
  }
  // A source that cannot be measured was said already (twice missing: that
  // is all), and the size message after it stands on standard output alone.
  BinaryTool::Source first_source = tool.open_source(argv[2]);
  BinaryTool::Source second_source = tool.open_source(argv[3]);
  int64_t n = first_source.length;
  if (n != second_source.length) {
    return fail(n < 0 || second_source.length < 0
                    ? plain(kFilesNotTheSameSize)
                    : lengths_differ(kFilesNotTheSameSize, argv[2], n, argv[3],
                                     second_source.length));
  }
  if (n < 0) {
    return kFailed;
  }
  if (n == 0) {
    return fail(empty_sources(argv[2], argv[3]));
  }
  // Each word takes two bytes of each EPROM; an odd length has no sound
  // image.
  if (n % 2 != 0) {
    return fail(odd_length(kFilesMustHaveEvenLength, argv[2], argv[3], n));
  }
  if (n > kLargestBuffer / 2) {
    return fail(too_large(kCantCreateBuffer, "1 GiB", argv[2], argv[3]));
  }
  std::optional<HeberBlocks> blocks = HeberBlocks::make();
  if (!blocks) {
    return fail(plain(kCantCreateBuffer));
  }
  std::optional<EpromFile> first = readable(first_source);
  std::optional<EpromFile> second =
      first ? readable(second_source) : std::nullopt;
  if (!second) {
    return kFailed;
  }
  // A source that is also the destination is replaced by a new file, made
  // beside it, once the image is whole.
  const NamedFile sources[] = {{&first->file(), argv[2]},
                               {&second->file(), argv[3]}};
  Destinations image({argv + 4, 1}, sources,
                     {.in_place = InPlace::kYes, .cant_have = kCantCreateFile});
  if (std::optional<Failure> refused = image.refusal()) {
    return fail(*refused);
  }
  if (std::optional<Failure> failure = image.start(0)) {
    return fail(*failure);
  }
  if (std::optional<Failure> failure =
          write_image({&image.file(0), argv[4]}, board,
                      static_cast<uint64_t>(n), *first, *second, *blocks)) {
    return fail(*failure);
  }
  first->close();
  second->close();
  if (std::optional<Failure> failure = image.finish()) {
    return fail(*failure);
  }
  return kDone;
}

int split_image(BinaryTool& tool, int argc, char* argv[], Board board) {
  std::optional<BinaryTool::Source> source =
      tool.checked_source(argc, argv, 5, kTooFewParams);
  if (!source) {
    return kFailed;
  }
  if (source->length == 0) {
    return fail(empty_sources(argv[2]));
  }
  if (source->length > kLargestBuffer) {
    return fail(too_large(kCantCreateBuffer, "2 GiB", argv[2]));
  }
  auto size = static_cast<uint64_t>(source->length);
  std::optional<HeberBlocks> blocks = HeberBlocks::make();
  if (!blocks) {
    return fail(plain(kCantCreateBuffer));
  }
  std::optional<EpromFile> image = readable(*source);
  if (!image) {
    return kFailed;
  }
  const NamedFile sources[] = {{&image->file(), argv[2]}};
  Destinations eproms(
      {argv + 3, 2}, sources,
      {.in_place = InPlace::kYes, .cant_have = kCantCreateFile});
  if (std::optional<Failure> refused = eproms.refusal()) {
    return fail(*refused);
  }
  // When the second cannot be had, a first EPROM in a new file is still made
  // whole before that is said; one that would replace the image is not.
  std::optional<Failure> second_missing = eproms.unavailable(1);
  if (second_missing && eproms.replaces(0)) {
    return fail(*second_missing);
  }
  if (std::optional<Failure> failure =
          eproms.start_together(second_missing ? 1 : 2)) {
    return fail(*failure);
  }
  Output second = {second_missing ? nullptr : &eproms.file(1), argv[4]};
  if (std::optional<Failure> failure = write_eproms(
          {&eproms.file(0), argv[3]}, second, board, size, *image, *blocks)) {
    return fail(*failure);
  }
  image->close();
  if (std::optional<Failure> failure = eproms.finish()) {
    return fail(*failure);
  }
  return second_missing ? fail(*second_missing) : kDone;
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
