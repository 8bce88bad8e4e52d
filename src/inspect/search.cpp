// T: list every offset at which a pattern occurs in a file.
#include <algorithm>
#include <cstring>
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/pattern.h"
#include "inspect/pause_prompt.h"
#include "inspect/text_format.h"
#include "io/block_reader.h"
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

constexpr uint64_t kHitsPerPage = 120;

// The first offset on a page at or past `n` bytes: where the next read
// goes, just after the bytes kept.
size_t page_end(size_t n) {
  return (n + kReadAlignment - 1) / kReadAlignment * kReadAlignment;
}

}  // namespace

int BinaryTool::search(int argc, char* argv[]) {
  // A file name with no pattern is as wrong as no file name.
  if (!require_args(argc, 4, kWrongParamCount)) {
    return kFailed;
  }
  auto [file, length] = open_source(argv[2]);
  if (length < 0) {
    return kFailed;
  }
  ParsedPattern pattern = parse_pattern({argv + 3, argv + argc});
  if (pattern.unclosed) {
    return fail(kMissingClosingQuote);
  }
  PatternMatcher matcher(pattern.entries);
  size_t overlap = matcher.size() - 1;
  // A block holds the pattern several times over, so every block read
  // moves the search on, and room to read on a page after the bytes kept.
  size_t room = std::max(kBlockSize, 4 * matcher.size()) + 2 * kReadAlignment;
  Buffer block = block_or_fail(room);
  if (!block) {
    return kFailed;
  }

  // Consecutive blocks share one byte less than the pattern, so a match
  // across a block boundary is found whole in the next block, and no start
  // offset is tested twice. The kept bytes go down to just before a page,
  // and every read fills whole pages from an offset on a page.
  PagedOutput out(kHitsPerPage);
  uint64_t hits = 0;
  uint64_t base = 0;  // the offset of the first byte searched next
  BlockReader reader(file, static_cast<uint64_t>(length));
  for (size_t kept = 0;;) {
    size_t place = page_end(kept);
    std::optional<std::span<uint8_t>> got = reader.next(block.span().subspan(
        place, (room - place) / kReadAlignment * kReadAlignment));
    if (!got) {
      out.text().push_back('\n');
      out.flush();
      return fail(kCantReadFile);
    }
    if (got->empty() || run_over()) {
      break;
    }
    std::span<uint8_t> searched =
        block.span().subspan(place - kept, kept + got->size());
    matcher.find(searched, [&](size_t k) {
      append_hit_entry(out.text(), ++hits, base + k);
      out.end_item();
    });
    kept = std::min(searched.size(), overlap);
    std::memmove(block.data() + page_end(kept) - kept,
                 searched.data() + searched.size() - kept, kept);
    base += searched.size() - kept;
  }
  out.text().push_back('\n');
  return kDone;
}

}  // namespace bintool
