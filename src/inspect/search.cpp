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
#include "io/buffer.h"
#include "io/file.h"

namespace bintool {
namespace {

constexpr uint64_t kHitsPerPage = 120;

}  // namespace

int BinaryTool::search(int argc, char* argv[]) {
  // A file name with no pattern is as wrong as no file name.
  require_args(argc, 4, kWrongParamCount);
  auto [file, length] = open_measured(argv[2]);
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
  Buffer block = Buffer::allocate(std::max(kBlockSize, 4 * matcher.size()));
  if (!block) {
    return fail(kCantCreateBuffer);
  }

  // Consecutive blocks share one byte less than the pattern, so a match
  // across a block boundary is found whole in the next block, and no start
  // offset is tested twice.
  PagedOutput out(kHitsPerPage);
  uint64_t hits = 0;
  uint64_t base = 0;
  uint64_t left = static_cast<uint64_t>(length);
  size_t filled = 0;
  for (;;) {
    size_t want =
        static_cast<size_t>(std::min<uint64_t>(block.size() - filled, left));
    std::optional<size_t> read = file.read(block.span().subspan(filled, want));
    if (!read) {
      out.text().push_back('\n');
      out.flush();
      return fail(kCantReadFile);
    }
    size_t got = *read;
    filled += got;
    left -= got;
    matcher.find(block.span().first(filled), [&](size_t k) {
      append_hit_entry(out.text(), ++hits, base + k);
      out.end_item();
    });
    if (got < want || left == 0) {
      break;
    }
    size_t keep = std::min(filled, overlap);
    std::memmove(block.data(), block.data() + filled - keep, keep);
    base += filled - keep;
    filled = keep;
  }
  out.text().push_back('\n');
  return kDone;
}

}  // namespace bintool
