// K: a file's length and the sum of its bytes read as signed values.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/signed_sum.h"
#include "inspect/text_format.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {

int BinaryTool::checksum(int argc, char* argv[]) {
  if (!require_args(argc, 3, kTooFewParamsSuvise)) {
    return kFailed;
  }
  auto [file, length] = open_source(argv[2]);
  if (length < 0) {
    return kFailed;
  }
  Buffer block = block_or_fail();
  if (!block) {
    return kFailed;
  }
  uint32_t sum = 0;
  BlockReader reader(file, static_cast<uint64_t>(length));
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(block.span());
    if (!got) {
      return fail(kCantReadFile);
    }
    if (got->empty()) {
      break;
    }
    sum = add_signed_bytes(sum, *got);
  }
  print(checksum_report(static_cast<uint64_t>(length), sum));
  return kDone;
}

}  // namespace bintool
