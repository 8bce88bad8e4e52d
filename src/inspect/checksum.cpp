// K: a file's length and the sum of its bytes read as signed values.
#include <algorithm>
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/text_format.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::checksum(int argc, char* argv[]) {
  require_args(argc, 3, kTooFewParamsSuvise);
  auto [file, length] = open_measured(argv[2]);
  if (!file) {
    return kFailed;
  }
  Buffer block = Buffer::allocate(kBlockSize);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  uint32_t sum = 0;
  for (auto left = static_cast<uint64_t>(length); left > 0;) {
    auto want = static_cast<size_t>(std::min<uint64_t>(block.size(), left));
    std::optional<size_t> got = file.read(block.span().first(want));
    if (!got) {
      return fail(kCantReadFile);
    }
    sum = add_signed_bytes(sum, block.span().first(*got));
    if (*got < want) {
      break;
    }
    left -= *got;
  }
  print(checksum_report(static_cast<uint64_t>(length), sum));
  return kDone;
}

}  // namespace bintool
