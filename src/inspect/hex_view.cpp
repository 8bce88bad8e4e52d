// P: rows of 16 bytes in hex and as characters, from an address.
#include <algorithm>
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/hex_arg.h"
#include "app/messages.h"
#include "inspect/text_format.h"
#include "inspect/view_plan.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

constexpr size_t kRowBytes = 16;
// Rows read at a time: 2048 of them, a few in a test build.
constexpr size_t kRowsPerBlock = kBlockSize / 64;

}  // namespace

int BinaryTool::hex_view(int argc, char* argv[]) {
  std::optional<Source> source =
      checked_source(argc, argv, 3, kTooFewParamsSuvise);
  if (!source) {
    return kFailed;
  }
  auto& [file, length, name] = *source;
  // argv[argc] is null, which reads as address 0.
  uint64_t address = parse_hex(argv[3]);
  auto asked = static_cast<int32_t>(argc > 4 ? parse_decimal(argv[4]) : 1);
  ViewPlan plan = plan_view(length, address, asked);
  if (plan.warning) {
    print(kViewPastEndWarning);
  }
  Buffer block;
  if (!plan.refused) {
    block = Buffer::allocate(kRowsPerBlock * kRowBytes);
  }
  if (!block) {
    return fail(plain(kViewBufferFailed));
  }
  std::string out;
  if (plan.rows == 0) {
    append_view_offset(out, address);
  }
  if (plan.rows > 0 && !file.seek(address)) {
    return fail(read_failure(name, file));
  }
  // A view is short: it is read plainly, a block of rows at a time. Cells
  // past the end of the file are blank, and so are those past a file that
  // ends early (it shrank): nothing is read after a short read.
  bool ended = false;
  auto rows = static_cast<uint64_t>(plan.rows);
  for (uint64_t row = 0; row < rows;) {
    auto block_rows =
        static_cast<size_t>(std::min<uint64_t>(rows - row, kRowsPerBlock));
    std::span<uint8_t> cells = block.span().first(block_rows * kRowBytes);
    std::optional<size_t> got = ended ? 0 : file.read(cells);
    if (!got) {
      return fail(read_failure(name, file));
    }
    ended = *got < cells.size();
    for (size_t i = 0; i < block_rows; ++i, ++row) {
      append_view_offset(out, address + row * kRowBytes);
      size_t first = i * kRowBytes;
      size_t count = first < *got ? std::min(kRowBytes, *got - first) : 0;
      append_view_cells(out, cells.subspan(first, count));
    }
    if (!print(out)) {
      return kFailed;
    }
    out.clear();
  }
  print(out);
  return kDone;
}

}  // namespace bintool
