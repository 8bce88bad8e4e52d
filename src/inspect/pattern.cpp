// T's search pattern: reading it from the command line, and finding it.
#include "inspect/pattern.h"

#include "app/hex_arg.h"

namespace bintool {

ParsedPattern parse_pattern(std::span<const char* const> tokens) {
  ParsedPattern pattern;
  size_t index = 0;
  while (index < tokens.size()) {
    const char* token = tokens[index] != nullptr ? tokens[index] : "";
    if (token[0] == '?') {
      pattern.entries.push_back({0, true});
      ++index;
      continue;
    }
    if (token[0] != '\'') {
      pattern.entries.push_back(
          {static_cast<uint8_t>(parse_hex(token) & 0xFF), false});
      ++index;
      continue;
    }
    // A literal. The cursor takes one position, then looks for the closing
    // quote; the shell split the text at blanks, so the end of an argument
    // stands for one space.
    const char* cursor = token + 1;
    for (;;) {
      if (*cursor == '\0') {
        pattern.entries.push_back({' ', false});
        if (++index == tokens.size()) {
          pattern.unclosed = true;
          return pattern;
        }
        cursor = tokens[index] != nullptr ? tokens[index] : "";
      } else {
        pattern.entries.push_back({static_cast<uint8_t>(*cursor), false});
        ++cursor;
      }
      if (*cursor == '\'') {
        break;
      }
    }
    ++index;
  }
  return pattern;
}

PatternMatcher::PatternMatcher(std::span<const PatternEntry> entries)
    : entries_(entries), anchor_(entries.size()) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].wildcard) {
      anchor_ = i;
      break;
    }
  }
}

bool PatternMatcher::matches_at(const uint8_t* at) const {
  // Entries before the anchor are wildcards, and the anchor has matched.
  for (size_t i = anchor_ + 1; i < entries_.size(); ++i) {
    if (!entries_[i].wildcard && at[i] != entries_[i].value) {
      return false;
    }
  }
  return true;
}

}  // namespace bintool
