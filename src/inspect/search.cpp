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

}  // namespace

int BinaryTool::search(int argc, char* argv[]) {
  // A file name with no pattern is as wrong as no file name.
  require_args(argc, 4, kWrongParamCount);
  auto [file, length] = open_then_measure(argv[2]);
  if (!file) {
    return kFailed;
  }
  ParsedPattern pattern = parse_pattern({argv + 3, argv + argc});
  if (pattern.unclosed) {
    return fail(kMissingClosingQuote);
  }
  PatternMatcher matcher(pattern.entries);
  size_t overlap = matcher.size() - 1;
  // A block holds the pattern several times over, so every block read
  // moves the search on.
  Buffer block = block_or_fail(std::max(kBlockSize, 4 * matcher.size()));
  if (!block) {
    return kFailed;
  }

  // Consecutive blocks share one byte less than the pattern, so a match
  // across a block boundary is found whole in the next block, and no start
  // offset is tested twice.
  PagedOutput out(kHitsPerPage);
  uint64_t hits = 0;
  uint64_t base = 0;
  BlockReader reader(file, static_cast<uint64_t>(length));
  for (size_t kept = 0;;) {
    std::optional<std::span<uint8_t>> got =
        reader.next(block.span().subspan(kept));
    if (!got) {
      out.text().push_back('\n');
      out.flush();
      return fail(kCantReadFile);
    }
    if (got->empty()) {
      break;
    }
    size_t filled = kept + got->size();
    matcher.find(block.span().first(filled), [&](size_t k) {
      append_hit_entry(out.text(), ++hits, base + k);
      out.end_item();
    });
    kept = std::min(filled, overlap);
    std::memmove(block.data(), block.data() + filled - kept, kept);
    base += filled - kept;
  }
  out.text().push_back('\n');
  return kDone;
}

}  // namespace bintool
