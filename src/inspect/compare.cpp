// C: list every offset at which two files of equal length differ.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/pause_prompt.h"
#include "inspect/text_format.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

constexpr uint64_t kLinesPerPage = 24;
constexpr size_t kSlice = 64;

// Lists the differences between two equal stretches that start at `offset`.
// Equal slices are passed over with memcmp; only a differing slice is looked
// at byte by byte.
void list_differences(const uint8_t* a, const uint8_t* b, size_t count,
                      uint64_t offset, PagedOutput& out) {
  for (size_t start = 0; start < count; start += kSlice) {
    size_t size = std::min(kSlice, count - start);
    if (std::memcmp(a + start, b + start, size) == 0) {
      continue;
    }
    for (size_t i = start; i < start + size; ++i) {
      if (a[i] != b[i]) {
        append_diff_line(out.text(), offset + i, a[i], b[i]);
        out.end_item();
      }
    }
  }
}

}  // namespace

int BinaryTool::compare(int argc, char* argv[]) {
  require_args(argc, 4, kTooFewParams);
  auto [first, length] = open_measured(argv[2]);
  if (!first) {
    return kFailed;
  }
  auto [second, second_length] = open_measured(argv[3]);
  if (!second) {
    return kFailed;
  }
  if (length != second_length) {
    // No line end follows: whatever the console prints next continues it.
    std::string text(static_cast<size_t>(std::snprintf(
                         nullptr, 0, kLengthsDifferFormat, argv[2], argv[3])),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, kLengthsDifferFormat, argv[2],
                  argv[3]);
    print(text);
    end_run();
  }
  Buffer first_block = Buffer::allocate(kBlockSize);
  Buffer second_block = Buffer::allocate(kBlockSize);
  if (!first_block || !second_block) {
    return fail(kCantCreateBuffer);
  }
  uint8_t* a = first_block.data();
  uint8_t* b = second_block.data();
  PagedOutput out(kLinesPerPage);
  uint64_t offset = 0;
  uint64_t left = static_cast<uint64_t>(length);
  while (left > 0) {
    auto want = static_cast<size_t>(std::min<uint64_t>(kBlockSize, left));
    std::optional<size_t> got_a = first.read({a, want});
    std::optional<size_t> got_b = second.read({b, want});
    if (!got_a || !got_b) {
      out.flush();
      return fail(kCantReadFile);
    }
    size_t got = std::min(*got_a, *got_b);
    list_differences(a, b, got, offset, out);
    if (got < want) {
      break;
    }
    offset += got;
    left -= got;
  }
  return kDone;
}

}  // namespace bintool
