// K's checksum: the sum of a file's bytes read as signed values.
#ifndef BINTOOL_INSPECT_SIGNED_SUM_H_
#define BINTOOL_INSPECT_SIGNED_SUM_H_

#include <cstdint>
#include <span>

namespace bintool {

/// Adds `bytes` to `sum` as signed 8-bit values (0xFF adds -1), modulo 2^32.
uint32_t add_signed_bytes(uint32_t sum, std::span<const uint8_t> bytes);

}  // namespace bintool

#endif  // BINTOOL_INSPECT_SIGNED_SUM_H_
