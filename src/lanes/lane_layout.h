// Byte-lane layouts: 16-bit images and their 8-bit lanes, and the one-EPROM
// layouts of HEBER program and video boards. Pure functions over spans.
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
/// ((size + 1) / 2 bytes) and odd lane (size / 2 bytes).
void deinterleave_lanes(std::span<const uint8_t> image, uint8_t* even,
                        uint8_t* odd);

// HEBER program board. Two EPROMs E1, E2 of n bytes (n even) make one image
// M of 2n bytes, Q = n / 2. First the words are distributed: EPROM offset i
// gives the word (E1[i], E2[i]), even offsets to the first half, odd ones to
// the second; then the middle quarters change places:
//
//   W: (E1[0] E2[0]) (E1[2] E2[2]) ... | (E1[1] E2[1]) (E1[3] E2[3]) ...
//      [ W0 0..Q ) [ W1 Q..2Q ) [ W2 2Q..3Q ) [ W3 3Q..4Q )
//   M: W0 W2 W1 W3
//
// For an image of 2^m bytes: d bit 0 = lane, d bits 1..m-3 = i bits 1..m-3,
// d bit m-2 = i bit 0, d bit m-1 = i bit m-2.

/// Builds M from `e1` and `e2` (equal, even sizes n) into `image` (2n).
void heber_program_join(std::span<const uint8_t> e1,
                        std::span<const uint8_t> e2, std::span<uint8_t> image);

/// Splits an image of any length L into `e1` and `e2` of L / 2 bytes each:
/// the middle quarters of `image` (q = L / 4) are exchanged in place, then
/// e1[k] = B[k] and e2[k] = B[k + 1] for even k, e1[k] = B[h + k - 1] and
/// e2[k] = B[h + k] for odd k. The inverse of the join when L is a multiple
/// of 4; other lengths drop or repeat bytes as the board's tool always did.
/// `image` is left with its middle quarters exchanged.
void heber_program_split(std::span<uint8_t> image, std::span<uint8_t> e1,
                         std::span<uint8_t> e2);

// HEBER video board. The second EPROM fills the lower half of the image and
// the first EPROM the upper half, each with the bytes of every word
// exchanged: E2[i] lands at i ^ 1 and E1[i] at n + (i ^ 1).
//
//   M: E2[1] E2[0] E2[3] E2[2] ... | E1[1] E1[0] E1[3] E1[2] ...

/// Builds M from `e1` and `e2` (equal, even sizes n) into `image` (2n).
void heber_video_join(std::span<const uint8_t> e1, std::span<const uint8_t> e2,
                      std::span<uint8_t> image);

/// Splits an image of any length L into `e1` and `e2` of h = L / 2 bytes:
/// e1[k] = V[h + (k ^ 1)], e2[k] = V[k ^ 1]. When L leaves remainder 2 on
/// division by 4, the last byte of e1 would come from one past the end of
/// the image; it reads as 0xFF, an erased EPROM cell.
void heber_video_split(std::span<const uint8_t> image, std::span<uint8_t> e1,
                       std::span<uint8_t> e2);

}  // namespace bintool

#endif  // BINTOOL_LANES_LANE_LAYOUT_H_
