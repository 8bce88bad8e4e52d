// Fuzzes T's pattern language and search: any argument vector parses without
// reading past its last argument, and the search finds exactly what a
// brute-force search finds. Input: tokens separated by NUL bytes, then a
// 0xFF byte, then the bytes to search.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "inspect/pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto* begin = reinterpret_cast<const char*>(data);
  std::string all(begin, size);
  size_t split = all.find('\xFF');
  std::string tokens_text = all.substr(0, split);
  std::string haystack =
      split == std::string::npos ? "" : all.substr(split + 1);

  std::vector<std::string> tokens;
  size_t start = 0;
  for (size_t end; (end = tokens_text.find('\0', start)) != std::string::npos;
       start = end + 1) {
    tokens.push_back(tokens_text.substr(start, end - start));
  }
  tokens.push_back(tokens_text.substr(start));
  std::vector<const char*> argv;
  for (const auto& token : tokens) {
    argv.push_back(token.c_str());
  }

  bintool::ParsedPattern pattern = bintool::parse_pattern(argv);
  if (pattern.unclosed || pattern.entries.empty()) {
    return 0;
  }
  const auto& entries = pattern.entries;
  std::vector<size_t> found;
  bintool::PatternMatcher(entries).find(
      {reinterpret_cast<const uint8_t*>(haystack.data()), haystack.size()},
      [&](size_t k) { found.push_back(k); });
  std::vector<size_t> expected;
  for (size_t k = 0; k + entries.size() <= haystack.size(); ++k) {
    bool match = true;
    for (size_t i = 0; i < entries.size() && match; ++i) {
      match = entries[i].wildcard ||
              static_cast<uint8_t>(haystack[k + i]) == entries[i].value;
    }
    if (match) {
      expected.push_back(k);
    }
  }
  if (found != expected) {
    std::abort();
  }
  return 0;
}
