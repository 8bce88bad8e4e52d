// The text that T, C, P, H and K print, built into strings.
#include "inspect/text_format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace bintool {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// ">XX," for every byte value; the eighth item of a line swaps the comma for
// CR LF.
constexpr std::array<std::array<char, 4>, 256> make_items() {
  std::array<std::array<char, 4>, 256> items{};
  for (size_t b = 0; b < 256; ++b) {
    items[b] = {'>', kHexDigits[b >> 4], kHexDigits[b & 15], ','};
  }
  return items;
}
constexpr auto kItems = make_items();

void append_padded(std::string& out, const char* digits, int count,
                   int min_digits) {
  for (int i = count; i < min_digits; ++i) {
    out.push_back('0');
  }
  out.append(digits, static_cast<size_t>(count));
}

void append_byte_hex(std::string& out, uint8_t value) {
  out.push_back(kHexDigits[value >> 4]);
  out.push_back(kHexDigits[value & 15]);
}

}  // namespace

void append_hex(std::string& out, uint64_t value, int min_digits) {
  char digits[16];
  int count = 0;
  do {
    digits[15 - count++] = kHexDigits[value & 15];
    value >>= 4;
  } while (value != 0);
  append_padded(out, digits + 16 - count, count, min_digits);
}

void append_decimal(std::string& out, uint64_t value, int min_digits) {
  char digits[20];
  int count = 0;
  do {
    digits[19 - count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  append_padded(out, digits + 20 - count, count, min_digits);
}

void append_hit_entry(std::string& out, uint64_t number, uint64_t offset) {
  append_decimal(out, number, 4);
  out.push_back('-');
  append_hex(out, offset, 6);
  out.append("     ");
}

void append_diff_line(std::string& out, uint64_t offset, uint8_t first,
                      uint8_t second) {
  append_hex(out, offset, 6);
  out.append(" - ");
  append_byte_hex(out, first);
  out.append(" <> ");
  append_byte_hex(out, second);
  out.push_back('\n');
}

void append_view_offset(std::string& out, uint64_t offset) {
  append_hex(out, offset, 5);
  out.append(": ");
}

void append_view_cells(std::string& out, std::span<const uint8_t> bytes) {
  for (size_t i = 0; i < 16; ++i) {
    if (i < bytes.size()) {
      append_byte_hex(out, bytes[i]);
      out.push_back(' ');
    } else {
      out.append("   ");
    }
  }
  out.append("  ");
  for (size_t i = 0; i < 16; ++i) {
    if (i >= bytes.size()) {
      out.push_back(' ');
    } else if (bytes[i] >= 0x20 && bytes[i] <= 0x7F) {
      out.push_back(static_cast<char>(bytes[i]));
    } else {
      out.push_back('.');
    }
  }
  out.push_back('\n');
}

void append_listing(std::string& out, std::span<const uint8_t> bytes) {
  size_t start = out.size();
  // Every item is 4 characters but the line's last, which is 5.
  out.resize(start + 4 * bytes.size() + bytes.size() / 8);
  char* p = out.data() + start;
  size_t i = 0;
  // Whole lines of eight items, the bulk of any listing.
  for (; i + 8 <= bytes.size(); i += 8) {
    for (size_t k = 0; k < 8; ++k) {
      std::memcpy(p + 4 * k, kItems[bytes[i + k]].data(), 4);
    }
    p[31] = '\r';
    p[32] = '\n';
    p += 33;
  }
  for (; i < bytes.size(); ++i, p += 4) {
    std::memcpy(p, kItems[bytes[i]].data(), 4);
  }
}

std::string checksum_report(uint64_t length, uint32_t sum) {
  std::string out = "Length=";
  append_hex(out, length, 1);
  out.append("H (");
  append_decimal(out, length, 1);
  out.append(" DEC)\nChecksum=");
  std::string hex;
  append_hex(hex, sum, 1);
  out.append(8 - std::min<size_t>(8, hex.size()), ' ');
  out.append(hex).append(" (").append(hex).append(")-Checksum=");
  append_hex(out, sum & 0xFFFF, 4);
  return out;
}

}  // namespace bintool
