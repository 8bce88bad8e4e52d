// Conversion of numeric command-line arguments.
#include "app/hex_arg.h"

namespace bintool {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

int digit_value(char c, unsigned base) {
  int value = -1;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

uint32_t parse_number(const char* text, unsigned base) {
  if (text == nullptr) {
    return 0;
  }
  const char* p = text;
  while (is_blank(*p)) {
    ++p;
  }
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  // "0x" with no digit after it gives 0, as the digit 0 before junk would.
  if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    p += 2;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (int digit = digit_value(*p, base); digit >= 0;
       digit = digit_value(*++p, base)) {
    // Past 32 bits the value no longer counts, so its own overflow is moot.
    value = value * base + static_cast<unsigned>(digit);
    overflow = overflow || value > UINT32_MAX;
  }
  if (overflow) {
    return UINT32_MAX;
  }
  auto result = static_cast<uint32_t>(value);
  return negative ? 0u - result : result;
}

}  // namespace

uint32_t parse_hex(const char* text) { return parse_number(text, 16); }

uint32_t parse_decimal(const char* text) { return parse_number(text, 10); }

}  // namespace bintool
