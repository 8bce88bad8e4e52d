// A stream searched in overlapping windows, with reads aligned with their
// offset.
#ifndef BINTOOL_INSPECT_SEARCH_WINDOW_H_
#define BINTOOL_INSPECT_SEARCH_WINDOW_H_

#include <cstddef>
#include <cstdint>
#include <span>

namespace bintool {

/// Consecutive windows share `overlap` bytes (one less than the pattern), so
/// a match across the end of one read is found whole in the next window, and
/// no start offset is searched twice. The bytes kept go down to just before a
/// page, so every read fills whole pages from an offset on a page (see
/// kReadAlignment).
class SearchWindow {
 public:
  /// The block a window needs for a pattern of `pattern_size` bytes: it holds
  /// the pattern several times over, so every read moves the search on.
  static size_t room_for(size_t pattern_size);

  /// Over `block` (room_for bytes, starting on a page).
  SearchWindow(std::span<uint8_t> block, size_t overlap)
      : block_(block), overlap_(overlap), last_(block.first(0)) {}

  /// Where the next read goes: whole pages after the bytes kept.
  std::span<uint8_t> free_space();

  /// After a read of `got` bytes into free_space(): the bytes to search, the
  /// kept ones first.
  std::span<const uint8_t> take(size_t got);

  /// The stream offset of the first byte that take() gave last.
  uint64_t offset() const { return offset_; }

 private:
  std::span<uint8_t> block_;
  size_t overlap_;
  size_t kept_ = 0;
  std::span<const uint8_t> last_;  // its tail is kept for the next window
  uint64_t offset_ = 0;
};

}  // namespace bintool

#endif  // BINTOOL_INSPECT_SEARCH_WINDOW_H_
