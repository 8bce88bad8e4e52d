// H: every byte of a file as ">XX" text, eight items to a CR LF line.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/text_format.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::hex_listing(int argc, char* argv[]) {
  if (!require_args(argc, 3, kTooFewParamsApostrophe)) {
    return kFailed;
  }
  auto [file, length] = open_source(argv[2], kCantOpenFile);
  if (length < 0) {
    return kFailed;
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  // Blocks are whole multiples of 64 bytes: each one starts a line.
  std::string out;
  BlockReader reader(file, static_cast<uint64_t>(length));
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(block.span());
    if (!got) {
      return fail(kCantReadFile);
    }
    if (got->empty()) {
      break;
    }
    append_listing(out, *got);
    if (!print(out)) {
      return kFailed;
    }
    out.clear();
  }
  return kDone;
}

}  // namespace bintool
