// The text that T, C, P, H and K print, built into strings. Pure: nothing
// here prints or reads.
#ifndef BINTOOL_INSPECT_TEXT_FORMAT_H_
#define BINTOOL_INSPECT_TEXT_FORMAT_H_

#include <cstdint>
#include <span>
#include <string>

namespace bintool {

/// Appends `value` in upper-case hexadecimal, zero-padded to `min_digits`.
void append_hex(std::string& out, uint64_t value, int min_digits);

/// Appends `value` in decimal, zero-padded to `min_digits`.
void append_decimal(std::string& out, uint64_t value, int min_digits);

/// One hit of T: the number (4+ decimal digits), "-", the offset (6+ hex
/// digits) and five blanks, as "0003-00002F     ". No line break.
void append_hit_entry(std::string& out, uint64_t number, uint64_t offset);

/// One line of C: "00002F - 12 <> FE\n".
void append_diff_line(std::string& out, uint64_t offset, uint8_t first,
                      uint8_t second);

/// The offset column of a P row: five or more hex digits, ": ".
void append_view_offset(std::string& out, uint64_t offset);

/// The rest of a P row: 16 hex cells, two blanks, 16 character cells, "\n".
/// `bytes` holds the row's bytes that exist (at most 16); cells past them
/// print blank ("   " and " ") so every row keeps its width. Characters
/// 0x20 to 0x7F print as themselves, all others as ".".
void append_view_cells(std::string& out, std::span<const uint8_t> bytes);

/// H's listing of `bytes`, which start a line: ">XX" each, then CR LF after
/// every eighth item, "," after the others.
void append_listing(std::string& out, std::span<const uint8_t> bytes);

/// K's report: "Length=3H (3 DEC)\nChecksum=       2 (2)-Checksum=0002",
/// with no line end after the last digits.
std::string checksum_report(uint64_t length, uint32_t sum);

}  // namespace bintool

#endif  // BINTOOL_INSPECT_TEXT_FORMAT_H_
