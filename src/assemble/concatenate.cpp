// L: join source files, in argument order, into one destination.
#include <utility>
#include <vector>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/destinations.h"
#include "app/messages.h"
#include "io/block_copy.h"
#include "io/buffer.h"
#include "io/file.h"
#include "io/system_error.h"

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

// Opens `name` as a source; where no descriptor is free (EMFILE), closes the
// regular sources held so far and tries again.
File open_held(const char* name, std::vector<File>& held) {
  File file = File::open(name, Role::kSourceToStream);
  if (!file && out_of_descriptors(file.error())) {
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
  std::vector<NamedFile> sources;
  held.reserve(static_cast<size_t>(argc - 3));
  for (int i = 2; i < argc - 1; ++i) {
    held.push_back(open_held(argv[i], held));
    if (!held.back()) {
      return fail(
          file_failure(kFileCouldNotBeOpened, argv[i], held.back().error()));
    }
    sources.push_back({&held.back(), argv[i]});
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  const char* dest = argv[argc - 1];
  Destinations destination(
      {argv + argc - 1, 1}, sources,
      {.cant_have = kCantCreateFile,
       .free_descriptors = [&held] { release_regular(held); }});
  if (std::optional<Failure> refused = destination.refusal()) {
    return fail(*refused);
  }
  if (std::optional<Failure> failure = destination.start(0)) {
    return fail(*failure);
  }
  File& out = destination.file(0);
  for (int i = 2; i < argc - 1; ++i) {
    File& in = held[static_cast<size_t>(i - 2)];
    if (!in) {
      File again = File::open(argv[i], Role::kSourceToStream);
      if (!same_file(again, in)) {
        return fail(again ? replaced(kFileCouldNotBeOpened, argv[i])
                          : file_failure(kFileCouldNotBeOpened, argv[i],
                                         again.error()));
      }
      in = std::move(again);
    }
    if (CopyEnd end = copy_bytes(in, out, kToEnd, block.span());
        end != CopyEnd::kDone) {
      return fail(copy_failure(end, argv[i], in, dest, out));
    }
    in.close();
  }
  if (std::optional<Failure> failure = destination.finish()) {
    return fail(*failure);
  }
  return kDone;
}

}  // namespace bintool
