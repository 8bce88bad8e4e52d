// P: rows of 16 bytes in hex and as characters, from an address.
#include <algorithm>

#include "app/binary_tool.h"
#include "app/buffer.h"
#include "app/conventions.h"
#include "app/file.h"
#include "app/hex_arg.h"
#include "app/messages.h"
#include "inspect/text_format.h"

namespace bintool {
namespace {

constexpr int64_t kRowBytes = 16;
// Row counts from here on have never fitted a signed 32-bit byte count.
constexpr int64_t kTooManyRows = 0x8000000;
constexpr size_t kRowsPerBlock = 4096;

}  // namespace

int BinaryTool::hex_view(int argc, char* argv[]) {
  require_args(argc, 3, kTooFewParamsSuvise);
  uint64_t address = argc > 3 ? parse_hex(argv[3]) : 0;
  int64_t rows =
      argc > 4 ? static_cast<int32_t>(parse_decimal(argv[4])) : int64_t{1};
  int64_t length = 0;
  File file = open_measured(argv[2], length);
  if (!file) {
    return -1;
  }
  if (rows < 0 || rows >= kTooManyRows) {
    print(kViewBufferFailed);
    end_run();
  }
  // A window past the end is cut to end with the row that holds the
  // end-of-file position; 32 or more bytes beyond the end leave no row.
  auto start = static_cast<int64_t>(address);
  if (length < start + rows * kRowBytes) {
    rows = (length - start) / kRowBytes + 1;
    print(kViewPastEndWarning);
    if (rows < 0) {
      print(kViewBufferFailed);
      end_run();
    }
  }

  Buffer block = Buffer::allocate(kRowsPerBlock * kRowBytes);
  if (!block) {
    print(kViewBufferFailed);
    end_run();
  }
  // Bytes past the end of the file are never read; their cells are blank.
  uint64_t file_bytes =
      static_cast<uint64_t>(std::max<int64_t>(length - start, 0));
  bool readable = file_bytes > 0 && file.seek(address);
  std::string out;
  append_view_offset(out, address);
  for (int64_t row = 0; row < rows;) {
    auto block_rows =
        static_cast<size_t>(std::min<int64_t>(rows - row, kRowsPerBlock));
    uint64_t row_offset = static_cast<uint64_t>(row * kRowBytes);
    size_t want = static_cast<size_t>(std::min<uint64_t>(
        block_rows * kRowBytes,
        file_bytes > row_offset ? file_bytes - row_offset : 0));
    size_t got = readable ? file.read(block.span().first(want)) : 0;
    // A file that ends early (it shrank) shows blank cells from there on.
    readable = readable && got == want;
    for (size_t i = 0; i < block_rows; ++i, ++row) {
      if (row > 0) {
        append_view_offset(out,
                           address + static_cast<uint64_t>(row * kRowBytes));
      }
      size_t first = i * kRowBytes;
      size_t count = first < got ? std::min<size_t>(kRowBytes, got - first) : 0;
      append_view_cells(out, block.span().subspan(first, count));
    }
    print(out);
    out.clear();
  }
  print(out);
  return 0;
}

}  // namespace bintool
