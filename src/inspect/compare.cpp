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
#include "io/block_reader.h"
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
  std::optional<Source> source = checked_source(argc, argv, 4, kTooFewParams);
  if (!source) {
    return kFailed;
  }
  auto& [first, length, first_name] = *source;
  auto [second, second_length, second_name] = open_source(argv[3]);
  if (second_length < 0) {
    return kFailed;
  }
  if (length != second_length) {
    // No line end follows: whatever the console prints next continues it.
    std::string text(static_cast<size_t>(std::snprintf(
                         nullptr, 0, kLengthsDifferFormat, argv[2], argv[3])),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, kLengthsDifferFormat, argv[2],
                  argv[3]);
    return fail(lengths_differ(text.c_str(), first_name, length, second_name,
                               second_length));
  }
  Buffer blocks = block_or_fail(2 * kBlockSize);
  if (!blocks) {
    return kFailed;
  }
  // The files are read in step; the one that ends first ends the compare.
  PagedOutput out(kLinesPerPage);
  BlockReader reader_a(first, static_cast<uint64_t>(length));
  BlockReader reader_b(second, static_cast<uint64_t>(length));
  for (uint64_t offset = 0;;) {
    auto got_a = reader_a.next(blocks.span().first(kBlockSize));
    auto got_b = reader_b.next(blocks.span().subspan(kBlockSize));
    if (!got_a || !got_b) {
      out.flush();
      return fail(!got_a ? read_failure(first_name, first)
                         : read_failure(second_name, second));
    }
    size_t got = std::min(got_a->size(), got_b->size());
    list_differences(got_a->data(), got_b->data(), got, offset, out);
    if (got == 0 || got_a->size() != got_b->size() || run_over()) {
      break;
    }
    offset += got;
  }
  return kDone;
}

}  // namespace bintool
