// H: every byte of a file as ">XX" text, eight items to a CR LF line.
#include <algorithm>
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/text_format.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::hex_listing(int argc, char* argv[]) {
  require_args(argc, 3, kTooFewParamsApostrophe);
  // A missing source is reported here and again by the open below.
  int64_t length = file_length(argv[2]);
  File file = File::open(argv[2], OpenMode::kRead);
  if (!file) {
    return fail(kCantOpenFile);
  }
  if (length < 0) {
    return kFailed;
  }
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  // Blocks are whole multiples of 64 bytes: each one starts a line.
  std::string out;
  uint64_t left = static_cast<uint64_t>(length);
  while (left > 0) {
    size_t want = static_cast<size_t>(std::min<uint64_t>(block.size(), left));
    std::optional<size_t> read = file.read(block.span().first(want));
    if (!read) {
      return fail(kCantReadFile);
    }
    size_t got = *read;
    append_listing(out, block.span().first(got));
    print(out);
    out.clear();
    if (got < want) {
      break;
    }
    left -= got;
  }
  return kDone;
}

}  // namespace bintool
