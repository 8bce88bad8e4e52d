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
  std::optional<Source> source =
      checked_source(argc, argv, 3, kTooFewParamsSuvise);
  Buffer block = source ? block_or_fail() : Buffer();
  if (!block) {
    return kFailed;
  }
  auto length = static_cast<uint64_t>(source->length);
  uint32_t sum = 0;
  if (read_blocks(source->file, source->name, length, block.span(),
                  [&](auto bytes) {
                    sum = add_signed_bytes(sum, bytes);
                    return true;
                  }) != kDone) {
    return kFailed;
  }
  print(checksum_report(length, sum));
  return kDone;
}

}  // namespace bintool
