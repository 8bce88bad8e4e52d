// Byte-lane layouts of 16-bit images and HEBER boards: the byte shuffles
// themselves, pure functions over spans.
#ifndef BINTOOL_LANES_LANE_LAYOUT_H_
#define BINTOOL_LANES_LANE_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <span>

namespace bintool {

// A 16-bit image and its lanes:
//
//   image:  e0 o0 e1 o1 e2 o2 ...     even lane: e0 e1 e2 ...
//           \word/ \word/              odd lane:  o0 o1 o2 ...

/// Writes even[0], odd[0], even[1], odd[1], ... into `image`, stopping at the
/// first byte a lane lacks (the even lane is asked first). Returns the count
/// written: 2 * even.size() when the even lane is not longer, else
/// 2 * odd.size() + 1. `image` must hold that many bytes.
size_t interleave_lanes(std::span<const uint8_t> even,
                        std::span<const uint8_t> odd, std::span<uint8_t> image);

/// Splits `image`, which starts at an even offset, into its even lane
/// (`even`, (size + 1) / 2 bytes) and odd lane (`odd`, size / 2 bytes).
void deinterleave_lanes(std::span<const uint8_t> image, std::span<uint8_t> even,
                        std::span<uint8_t> odd);

/// out[x] = a[x] for even x and b[x - 1] for odd x: the even bytes of two
/// stretches taken in turn, as both HEBER program layouts take them. `a` and
/// `b` hold at least out.size() bytes.
void alternate_even_bytes(std::span<const uint8_t> a,
                          std::span<const uint8_t> b, std::span<uint8_t> out);

/// out[x] = from[x ^ 1]: the two bytes of every word exchanged, as both HEBER
/// video layouts have them. `from` holds out.size() bytes rounded up to even.
void swap_word_bytes(std::span<const uint8_t> from, std::span<uint8_t> out);

/// The middle-quarter exchange of the HEBER program board, quarters of
/// `quarter` bytes (bytes past four quarters stay): byte j comes from byte
/// `from`, and so does every later byte, one for one, up to `until`. The
/// exchange is its own inverse.
struct QuarterRun {
  uint64_t from;
  uint64_t until;
};
QuarterRun exchanged(uint64_t j, uint64_t quarter);

}  // namespace bintool

#endif  // BINTOOL_LANES_LANE_LAYOUT_H_
