// A stream searched in overlapping windows.
#include "inspect/search_window.h"

#include <algorithm>
#include <cstring>

#include "io/buffer.h"

namespace bintool {
namespace {

// The first offset on a page at or past `n` bytes.
size_t page_end(size_t n) {
  return (n + kReadAlignment - 1) / kReadAlignment * kReadAlignment;
}

}  // namespace

size_t SearchWindow::room_for(size_t pattern_size) {
  return std::max(kBlockSize, 4 * pattern_size) + 2 * kReadAlignment;
}

std::span<uint8_t> SearchWindow::free_space() {
  // The last window's tail moves down only now, once it has been searched.
  size_t kept = std::min(last_.size(), overlap_);
  offset_ += last_.size() - kept;
  std::memmove(block_.data() + page_end(kept) - kept,
               last_.data() + last_.size() - kept, kept);
  kept_ = kept;
  size_t place = page_end(kept_);
  return block_.subspan(
      place, (block_.size() - place) / kReadAlignment * kReadAlignment);
}

std::span<const uint8_t> SearchWindow::take(size_t got) {
  last_ = block_.subspan(page_end(kept_) - kept_, kept_ + got);
  return last_;
}

}  // namespace bintool
