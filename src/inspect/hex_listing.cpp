// H: every byte of a file as ">XX" text, eight items to a CR LF line.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "inspect/text_format.h"

namespace bintool {
namespace {

constexpr size_t kListingBlock = size_t{1} << 18;

}  // namespace

int BinaryTool::hex_listing(int argc, char* argv[]) {
  require_args(argc, 3, kTooFewParamsApostrophe);
  // A missing source is reported here and again by the open below.
  int64_t length = file_length(argv[2]);
  File file = File::open(argv[2], OpenMode::kRead);
  if (!file) {
    return fail(kCantOpenFile);
  }
  if (length < 0) {
    return -1;
  }
  Buffer block = Buffer::allocate_halving(kListingBlock, 64);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  std::string out;
  out.reserve(block.size() * 4 + block.size() / 8 + 8);
  uint64_t item = 1;
  uint64_t left = static_cast<uint64_t>(length);
  while (left > 0) {
    size_t want = static_cast<size_t>(std::min<uint64_t>(block.size(), left));
    size_t got = file.read(block.span().first(want));
    append_listing(out, block.span().first(got), item);
    print(out);
    out.clear();
    if (got < want) {
      break;
    }
    item += got;
    left -= got;
  }
  return 0;
}

}  // namespace bintool
