// K: a file's length and the sum of its bytes read as signed values.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/messages.h"
#include "app/whole_file.h"
#include "inspect/text_format.h"

namespace bintool {

int BinaryTool::checksum(int argc, char* argv[]) {
  require_args(argc, 3, kTooFewParamsSuvise);
  int64_t length = 0;
  File file = open_measured(argv[2], length);
  if (!file) {
    return -1;
  }
  Buffer block = Buffer::allocate_halving(kBlockSize, 4096);
  if (!block) {
    return fail(kCantCreateBuffer);
  }
  uint32_t sum = 0;
  WindowReader reader(file, static_cast<uint64_t>(length), block.span());
  for (auto window = reader.next(); !window.empty(); window = reader.next()) {
    sum = add_signed_bytes(sum, window);
  }
  // The file is closed before any of the report appears.
  file.close();
  print(checksum_report(static_cast<uint64_t>(length), sum));
  return 0;
}

}  // namespace bintool
