// L: join source files, in argument order, into one destination.
#include <vector>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
#include "app/messages.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

// Closes the regular files of `held`, which remember what they were, to free
// their descriptors; a pipe's bytes come once, so it stays open.
void release_regular(std::vector<File>& held) {
  for (File& file : held) {
    if (file.regular()) {
      file.close();
    }
  }
}

// Opens `name` as a source; where no descriptor is free, closes the regular
// sources held so far and tries again.
File open_held(const char* name, std::vector<File>& held) {
  File file = File::open(name, Role::kSourceToStream);
  if (!file && out_of_descriptors()) {
    release_regular(held);
    file = File::open(name, Role::kSourceToStream);
  }
  return file;
}

}  // namespace

int BinaryTool::concatenate(int argc, char* argv[]) {
  if (!require_args(argc, 4, kTooFewParams)) {
    return kFailed;
  }
  // Every source stays open while descriptors last, so that the bytes read
  // are those of the file checked; past that limit a regular one is opened
  // again at its turn, and must be the same file.
  std::vector<File> held;
  for (int i = 2; i < argc - 1; ++i) {
    held.push_back(open_held(argv[i], held));
    if (!held.back()) {
      return fail(kFileCouldNotBeOpened);
    }
  }
  std::vector<const File*> sources;
  for (const File& file : held) {
    sources.push_back(&file);
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  Destinations destination({argv + argc - 1, 1}, sources, InPlace::kNo,
                           kCantCreateFile);
  destination.free_descriptors_with([&] { release_regular(held); });
  if (!destination.refuse()) {
    return kFailed;
  }
  File* out = destination.start(0);
  if (!out) {
    return kFailed;
  }
  for (int i = 2; i < argc - 1; ++i) {
    File& in = held[static_cast<size_t>(i - 2)];
    if (!in) {
      File again = File::open(argv[i], Role::kSourceToStream);
      if (!same_file(again, in)) {
        return fail(kFileCouldNotBeOpened);
      }
      in = std::move(again);
    }
    if (CopyEnd end = copy_bytes(in, *out, kToEnd, block.span());
        end != CopyEnd::kDone) {
      return fail_copy(end);
    }
    in.close();
  }
  return destination.finish() ? kDone : fail(kCantWriteToFile);
}

}  // namespace bintool
