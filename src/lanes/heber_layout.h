// The HEBER conversions a window of output at a time: each window reads only
// the source bytes it needs, so images stream in blocks.
#ifndef BINTOOL_LANES_HEBER_LAYOUT_H_
#define BINTOOL_LANES_HEBER_LAYOUT_H_

#include <cstdint>
#include <span>

#include "lanes/eprom_source.h"

namespace bintool {

// HEBER program board. Two EPROMs E1, E2 of n bytes (n even) make one image
// M of 2n bytes, Q = n / 2. First the words are distributed: EPROM offset i
// gives the word (E1[i], E2[i]), even offsets to the first half, odd ones to
// the second; then the middle quarters change places:
//
//   W: (E1[0] E2[0]) (E1[2] E2[2]) ... | (E1[1] E2[1]) (E1[3] E2[3]) ...
//      [ W0 0..Q ) [ W1 Q..2Q ) [ W2 2Q..3Q ) [ W3 3Q..4Q )
//   M: W0 W2 W1 W3
//
// When Q is odd a quarter ends inside a word: ABCDEF and abcdef give
// W = AaCcEe BbDdFf and M = AaC BbD cEe dFf.
//
// HEBER video board. The second EPROM fills the lower half of the image and
// the first EPROM the upper half, each with the bytes of every word
// exchanged: E2[i] lands at i ^ 1 and E1[i] at n + (i ^ 1).
//
//   M: E2[1] E2[0] E2[3] E2[2] ... | E1[1] E1[0] E1[3] E1[2] ...

/// Room for the source bytes of a window of `size` bytes, which come from two
/// runs read at once (the two EPROMs, or two stretches of the image): a span
/// for each, of at least size + 1 + 2 * kReadAlignment bytes, starting on a
/// page.
struct Scratch {
  std::span<uint8_t> first_run;
  std::span<uint8_t> second_run;
};

/// Bytes [first, first + out.size()) of the program image of two EPROMs of
/// `n` bytes each (n even), within its 2n bytes. False after a read error.
bool heber_program_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                        uint64_t first, std::span<uint8_t> out,
                        Scratch scratch);

/// The words of the program image that EPROM bytes [first, first + size)
/// make, each read once (`first` and size = even.size() = odd.size() even):
/// `even` gets bytes [first, first + size) of W, `odd` bytes [n + first,
/// n + first + size). Byte w of W lands in the image at exchanged(w, n / 2).
/// False after a read error.
bool heber_program_words(EpromSource& e1, EpromSource& e2, uint64_t first,
                         std::span<uint8_t> even, std::span<uint8_t> odd,
                         Scratch scratch);

/// Bytes [first, first + size) of both EPROMs (`e1` the first, `e2` the
/// second, of equal sizes; `first` even) from a program image of any
/// `length` L; each EPROM has h = L / 2 bytes. With the middle quarters of
/// the image exchanged (q = L / 4) as B, byte k of EPROM `lane` (0 or 1) is
/// B[k + lane] for even k and B[h + k - 1 + lane] for odd k: the inverse of
/// the join when L is a multiple of 4. Other lengths drop or repeat bytes (a
/// 6-byte image gives x0 x3 x1 and x2 x4 x3); users' files made that way
/// must come out the same. False after a read error.
bool heber_program_split(EpromSource& image, uint64_t length, uint64_t first,
                         std::span<uint8_t> e1, std::span<uint8_t> e2,
                         Scratch scratch);

/// Bytes [first, first + out.size()) of the video image of two EPROMs of `n`
/// bytes each (n, `first` and out.size() even). False after a read error.
bool heber_video_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                      uint64_t first, std::span<uint8_t> out, Scratch scratch);

/// Bytes [first, first + size) of both EPROMs (`first` even) from a video
/// image of any `length` L, h = L / 2 bytes each: byte k of the first is
/// V[h + (k ^ 1)], of the second V[k ^ 1]. When L leaves remainder 2 on
/// division by 4, the last byte of the first comes from one past the end of
/// the image: 0xFF. False after a read error.
bool heber_video_split(EpromSource& image, uint64_t length, uint64_t first,
                       std::span<uint8_t> e1, std::span<uint8_t> e2,
                       Scratch scratch);

}  // namespace bintool

#endif  // BINTOOL_LANES_HEBER_LAYOUT_H_
