// T: list every offset at which a pattern occurs in a file.
#include <optional>

#include "app/binary_tool.h"
#include "app/conventions.h"
#include "app/messages.h"
#include "inspect/pattern.h"
#include "inspect/pause_prompt.h"
#include "inspect/search_window.h"
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
  std::optional<Source> source =
      checked_source(argc, argv, 4, kWrongParamCount);
  if (!source) {
    return kFailed;
  }
  auto& [file, length, name] = *source;
  ParsedPattern pattern = parse_pattern({argv + 3, argv + argc});
  if (pattern.unclosed) {
    return fail(plain(kMissingClosingQuote));
  }
  PatternMatcher matcher(pattern.entries);
  Buffer block = block_or_fail(SearchWindow::room_for(matcher.size()));
  if (!block) {
    return kFailed;
  }
  SearchWindow window(block.span(), matcher.size() - 1);
  PagedOutput out(kHitsPerPage);
  uint64_t hits = 0;
  BlockReader reader(file, static_cast<uint64_t>(length));
  for (;;) {
    std::optional<std::span<uint8_t>> got = reader.next(window.free_space());
    if (!got) {
      out.text().push_back('\n');
      out.flush();
      return fail(read_failure(name, file));
    }
    if (got->empty() || run_over()) {
      break;
    }
    matcher.find(window.take(got->size()), [&](size_t k) {
      append_hit_entry(out.text(), ++hits, window.offset() + k);
      out.end_item();
    });
  }
  out.text().push_back('\n');
  return kDone;
}

}  // namespace bintool
