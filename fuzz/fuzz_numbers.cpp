// Fuzzes the conversion of numeric arguments: any text converts without a
// fault, and every value written out reads back as itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/hex_arg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  bintool::parse_hex(text.c_str());
  bintool::parse_decimal(text.c_str());
  if (size < 4) {
    return 0;
  }
  uint32_t value = 0;
  std::memcpy(&value, data, 4);
  char written[32];
  std::snprintf(written, sizeof written, "%X", value);
  if (bintool::parse_hex(written) != value) {
    std::abort();
  }
  std::snprintf(written, sizeof written, " -0x%x junk", value);
  if (bintool::parse_hex(written) != 0u - value) {
    std::abort();
  }
  std::snprintf(written, sizeof written, "+%u", value);
  if (bintool::parse_decimal(written) != value) {
    std::abort();
  }
  return 0;
}
