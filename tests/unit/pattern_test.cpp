// T's pattern language and the search for it.
#include "inspect/pattern.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/bytes.h"

namespace bintool {
namespace {

using test::as_span;

constexpr PatternEntry kAny{0, true};
PatternEntry byte(uint8_t value) { return {value, false}; }

std::vector<PatternEntry> text(const char* s) {
  std::vector<PatternEntry> entries;
  for (; *s != '\0'; ++s) {
    entries.push_back(byte(static_cast<uint8_t>(*s)));
  }
  return entries;
}

TEST(ParsePattern, TokensAsTheShellDeliversThem) {
  // How a command line split at blanks turns into pattern bytes.
  struct Case {
    const char* name;
    std::vector<const char*> tokens;
    std::vector<PatternEntry> entries;
  };
  const Case kCases[] = {
      {"usage example",
       {"'Mi", "a'", "f", "?", "3f", "'A'", "0B"},
       {byte('M'), byte('i'), byte(' '), byte('a'), byte(0x0F), kAny,
        byte(0x3F), byte('A'), byte(0x0B)}},
      {"literal in one argument keeps its blanks", {"'a  b'"}, text("a  b")},
      {"three quotes are the quote byte", {"'''"}, {byte(0x27)}},
      {"lone quotes around a boundary give one space", {"'", "'"}, {byte(' ')}},
      {"two quotes run on into the next argument",
       {"''", "x'"},
       {byte('\''), byte(' '), byte('x')}},
      {"closing quote at the start of the next argument",
       {"'ab", "'", "41"},
       {byte('a'), byte('b'), byte(' '), byte(0x41)}},
      {"an empty argument inside a literal adds its own space",
       {"'a", "", "b'"},
       text("a  b")},
      {"the rest of the closing argument is ignored",
       {"'ab'cd", "1"},
       {byte('a'), byte('b'), byte(1)}},
      {"only the low 8 bits of a byte token",
       {"1FF", "100"},
       {byte(0xFF), byte(0x00)}},
      {"no digits is zero", {"zz", ""}, {byte(0), byte(0)}},
      {"wildcard ignores the rest", {"?41", "41?"}, {kAny, byte(0x41)}},
      {"case is kept", {"'aB'"}, text("aB")},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ParsedPattern parsed = parse_pattern(c.tokens);
    EXPECT_FALSE(parsed.unclosed);
    EXPECT_EQ(parsed.entries, c.entries);
  }
}

TEST(ParsePattern, UnclosedLiteralsAreFlagged) {
  // A literal that never closes must not read past the last argument.
  const std::vector<std::vector<const char*>> kCases = {
      {"'abc"}, {"'"}, {"''"}, {"41", "'a", "b"}, {"'a", ""}};
  for (const auto& tokens : kCases) {
    SCOPED_TRACE(tokens.front());
    EXPECT_TRUE(parse_pattern(tokens).unclosed);
  }
}

std::vector<size_t> find_all(const std::vector<PatternEntry>& pattern,
                             const std::string& data) {
  std::vector<size_t> hits;
  PatternMatcher(pattern).find(as_span(data),
                               [&](size_t k) { hits.push_back(k); });
  return hits;
}

TEST(PatternMatcher, OverlapsWildcardsAndEdges) {
  EXPECT_EQ(find_all({byte(0x41), byte(0x41)}, "AAA"),
            (std::vector<size_t>{0, 1}));
  EXPECT_EQ(find_all({byte('z')}, "abz"), (std::vector<size_t>{2}));
  EXPECT_EQ(find_all(text("abc"), "abc"), (std::vector<size_t>{0}));
  EXPECT_EQ(find_all(text("abcd"), "abc"), std::vector<size_t>{});
  EXPECT_EQ(find_all({kAny}, "xyz"), (std::vector<size_t>{0, 1, 2}));
  EXPECT_EQ(find_all({kAny, kAny}, ""), std::vector<size_t>{});
  EXPECT_EQ(find_all({kAny, byte('b')}, "bbb"), (std::vector<size_t>{0, 1}));
}

}  // namespace
}  // namespace bintool
