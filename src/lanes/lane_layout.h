// Byte-lane layouts: 16-bit images and their 8-bit lanes, and the one-EPROM
// layouts of HEBER program and video boards. Pure functions over spans.
#ifndef BINTOOL_LANES_LANE_LAYOUT_H_
#define BINTOOL_LANES_LANE_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <functional>
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
// d bit m-2 = i bit 0, d bit m-1 = i bit m-2. When Q is odd a quarter ends
// inside a word: ABCDEF and abcdef give W = AaCcEe BbDdFf and M = AaC BbD
// cEe dFf.
//
// HEBER video board. The second EPROM fills the lower half of the image and
// the first EPROM the upper half, each with the bytes of every word
// exchanged: E2[i] lands at i ^ 1 and E1[i] at n + (i ^ 1).
//
//   M: E2[1] E2[0] E2[3] E2[2] ... | E1[1] E1[0] E1[3] E1[2] ...
//
// The conversions make a window of their output at a time, reading only the
// source bytes that window needs, so an image streams in blocks: `first` is
// the output offset of out[0]. Any split of the output into windows gives
// the same bytes.

/// Where a layout reads a source: fills `into` with the source's bytes
/// [at, at + into.size()); bytes past the source's end read as 0xFF, an
/// erased EPROM cell. False after a read error.
using Fetch = std::function<bool(uint64_t at, std::span<uint8_t> into)>;

/// A fetch from `bytes` in memory, which must outlive it.
Fetch fetch_from(std::span<const uint8_t> bytes);

/// Room for the source bytes of one window: two spans of at least the
/// window's size + 2 bytes each.
struct Scratch {
  std::span<uint8_t> a;
  std::span<uint8_t> b;
};

/// Bytes [first, first + out.size()) of the program image M of two EPROMs
/// of `n` bytes each (n even); the window lies within M's 2n bytes. False
/// when a fetch failed.
bool heber_program_join(const Fetch& e1, const Fetch& e2, uint64_t n,
                        uint64_t first, std::span<uint8_t> out,
                        Scratch scratch);

/// The same image made from the EPROMs' side: EPROM bytes [s, s + c) of
/// both (s and c even) give the bytes [s, s + c) of W (`even_words`) and
/// [n + s, n + s + c) of W (`odd_words`), c bytes each. Only the middle
/// quarters then move: see place_program_words.
void heber_program_words(std::span<const uint8_t> e1,
                         std::span<const uint8_t> e2,
                         std::span<uint8_t> even_words,
                         std::span<uint8_t> odd_words);

/// Calls put(at, run) for each run of `bytes` (W's bytes from `w` on) with
/// the offset `at` where it lands in the image of two EPROMs of `n` bytes;
/// false as soon as a put fails.
bool place_program_words(
    uint64_t w, std::span<const uint8_t> bytes, uint64_t n,
    const std::function<bool(uint64_t, std::span<const uint8_t>)>& put);

/// Bytes [first, first + size) of both EPROMs (`e1` the first, `e2` the
/// second, of equal sizes) from a program image of any `length` L; each
/// EPROM has h = L / 2 bytes. With the middle quarters of the image
/// exchanged (q = L / 4) as B, byte k of EPROM `lane` (0 or 1) is
/// B[k + lane] for even k and B[h + k - 1 + lane] for odd k: the inverse of
/// the join when L is a multiple of 4. Other lengths drop or repeat bytes (a
/// 6-byte image gives x0 x3 x1 and x2 x4 x3); users' files made that way
/// must come out the same.
bool heber_program_split(const Fetch& image, uint64_t length, uint64_t first,
                         std::span<uint8_t> e1, std::span<uint8_t> e2,
                         Scratch scratch);

/// Bytes [first, first + out.size()) of the video image M of two EPROMs of
/// `n` bytes each (n even).
bool heber_video_join(const Fetch& e1, const Fetch& e2, uint64_t n,
                      uint64_t first, std::span<uint8_t> out, Scratch scratch);

/// Bytes [first, first + size) of both EPROMs from a video image of any
/// `length` L, h = L / 2 bytes each: byte k of the first is V[h + (k ^ 1)],
/// of the second V[k ^ 1]. When L leaves remainder 2 on division by 4, the
/// last byte of the first comes from one past the end of the image: 0xFF.
bool heber_video_split(const Fetch& image, uint64_t length, uint64_t first,
                       std::span<uint8_t> e1, std::span<uint8_t> e2,
                       Scratch scratch);

}  // namespace bintool

#endif  // BINTOOL_LANES_LANE_LAYOUT_H_
