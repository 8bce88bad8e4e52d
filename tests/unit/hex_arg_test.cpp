// Numeric arguments: hexadecimal everywhere, decimal for P's row count.
#include "app/hex_arg.h"

#include <gtest/gtest.h>

namespace bintool {
namespace {

TEST(HexArg, ConvertsAsTheCommandLineExpects) {
  // Every spelling users type for an address, and what it must mean.
  struct Case {
    const char* text;
    uint32_t value;
  };
  const Case kCases[] = {
      {"10", 0x10},
      {"0x10", 0x10},
      {"0X10", 0x10},
      {"+10", 0x10},
      {"10G", 0x10},
      {"G", 0},
      {"0x", 0},
      {"", 0},
      {"-1", 0xFFFFFFFF},
      {"100000000", 0xFFFFFFFF},
      {"FFFFFFFF", 0xFFFFFFFF},
      {"ffffffff", 0xFFFFFFFF},
      {"  \t7f", 0x7F},
      {"-0x10", 0xFFFFFFF0},
      {"0xg", 0},
      {"1FF", 0x1FF},
      {"00000000000012", 0x12},
      {"-", 0},
      {"+-1", 0},
      {"80000000", 0x80000000},
      {"-100000000", 0xFFFFFFFF},
      {"x10", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parse_hex(c.text), c.value);
  }
  EXPECT_EQ(parse_hex(nullptr), 0u);
}

TEST(HexArg, DecimalTakesNoPrefixAndNoHexDigits) {
  // P's row count: "10" is ten rows, and "0x10" stops at the x.
  struct Case {
    const char* text;
    uint32_t value;
  };
  const Case kCases[] = {
      {"10", 10},
      {"0x10", 0},
      {"1A", 1},
      {"-1", 0xFFFFFFFF},
      {"4294967295", 0xFFFFFFFF},
      {"4294967296", 0xFFFFFFFF},
      {" +25", 25},
      {"", 0},
      {"134217728", 134217728},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parse_decimal(c.text), c.value);
  }
}

}  // namespace
}  // namespace bintool
