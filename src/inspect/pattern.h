// T's search pattern: reading it from the command line, and finding it.
#ifndef BINTOOL_INSPECT_PATTERN_H_
#define BINTOOL_INSPECT_PATTERN_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace bintool {

struct PatternEntry {
  uint8_t value;  // the byte required; 0 and unused for a wildcard
  bool wildcard;  // matches any byte

  bool operator==(const PatternEntry&) const = default;
};

struct ParsedPattern {
  std::vector<PatternEntry> entries;
  bool unclosed = false;  // a literal ran past the last argument
};

/// Reads the pattern from the tokens (the arguments after the file name).
/// A token's first character decides its kind: ' starts a literal, one entry
/// per byte of text, which may run over several arguments, each boundary
/// between two becoming one space; ? is a one-byte wildcard (the rest of the
/// token ignored); anything else is a hexadecimal byte, its low 8 bits taken
/// (an empty token or one without digits is 0x00). The first position after
/// an opening quote is always text, so ''' is the byte 0x27. With `unclosed`
/// set the entries are incomplete and must not be used.
ParsedPattern parse_pattern(std::span<const char* const> tokens);

/// Finds a pattern in a span of bytes.
class PatternMatcher {
 public:
  /// `entries` must not be empty and must outlive the matcher.
  explicit PatternMatcher(std::span<const PatternEntry> entries);

  size_t size() const { return entries_.size(); }

  /// Calls on_hit(k), in increasing k, for every k from 0 to
  /// data.size() - size() at which the pattern matches data[k...]. Nothing
  /// when `data` is shorter than the pattern.
  template <typename OnHit>
  void find(std::span<const uint8_t> data, OnHit&& on_hit) const;

 private:
  bool matches_at(const uint8_t* at) const;

  std::span<const PatternEntry> entries_;
  size_t anchor_;  // first non-wildcard entry, or size() when all are
};

template <typename OnHit>
void PatternMatcher::find(std::span<const uint8_t> data, OnHit&& on_hit) const {
  if (data.size() < entries_.size()) {
    return;
  }
  size_t positions = data.size() - entries_.size() + 1;
  if (anchor_ == entries_.size()) {
    for (size_t k = 0; k < positions; ++k) {
      on_hit(k);
    }
    return;
  }
  // Jump from one occurrence of the anchor byte to the next, then check the
  // whole pattern there.
  const uint8_t* base = data.data();
  const uint8_t* scan = base + anchor_;
  const uint8_t* scan_end = scan + positions;
  const uint8_t value = entries_[anchor_].value;
  while (scan < scan_end) {
    const auto* found = static_cast<const uint8_t*>(
        std::memchr(scan, value, static_cast<size_t>(scan_end - scan)));
    if (found == nullptr) {
      return;
    }
    const uint8_t* start = found - anchor_;
    if (matches_at(start)) {
      on_hit(static_cast<size_t>(start - base));
    }
    scan = found + 1;
  }
}

}  // namespace bintool

#endif  // BINTOOL_INSPECT_PATTERN_H_
