// Conversion of numeric command-line arguments.
#ifndef BINTOOL_APP_HEX_ARG_H_
#define BINTOOL_APP_HEX_ARG_H_

#include <cstdint>

namespace bintool {

/// Reads a hexadecimal argument: leading white space, an optional "+" or
/// "-", an optional "0x"/"0X", then digits of either case up to the first
/// other character, which ends the number silently. No digits give 0; a value
/// past 32 bits gives 0xFFFFFFFF whatever the sign; "-" negates modulo 2^32.
/// `text` may be null (read as empty).
uint32_t parse_hex(const char* text);

/// The same rules in base 10 with no prefix skipped (the row count of P).
uint32_t parse_decimal(const char* text);

}  // namespace bintool

#endif  // BINTOOL_APP_HEX_ARG_H_
