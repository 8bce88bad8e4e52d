// The paging prompt of T and C, and the paged output that calls it.
#ifndef BINTOOL_INSPECT_PAUSE_PROMPT_H_
#define BINTOOL_INSPECT_PAUSE_PROMPT_H_

#include <cstdint>
#include <string>

namespace bintool {

/// Prints the prompt (no line break), flushes standard output, waits for a
/// key, then prints "\n". ESC ends the run (end_output: nothing more is
/// printed, and the caller stops at its next check of run_over); any other
/// key, or no keyboard at all, lets it go on. A terminal that cannot
/// see the prompt (standard output goes elsewhere) is not waited for.
void pause_prompt();

/// Standard output gathered in large writes, with the prompt after every
/// `page_items` items (120 hits of T, 24 lines of C).
class PagedOutput {
 public:
  explicit PagedOutput(uint64_t page_items) : page_items_(page_items) {}
  PagedOutput(const PagedOutput&) = delete;
  PagedOutput& operator=(const PagedOutput&) = delete;
  ~PagedOutput() { flush(); }

  /// Where the next item's text goes.
  std::string& text() { return text_; }

  /// Counts the item just appended; after the last item of a page, shows
  /// everything so far and runs the prompt.
  void end_item();

  /// Writes what has been gathered.
  void flush();

 private:
  std::string text_;
  uint64_t items_ = 0;
  uint64_t page_items_;
};

}  // namespace bintool

#endif  // BINTOOL_INSPECT_PAUSE_PROMPT_H_
