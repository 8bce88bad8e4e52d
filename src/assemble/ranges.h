// The byte ranges that R, I and U work on.
#ifndef BINTOOL_ASSEMBLE_RANGES_H_
#define BINTOOL_ASSEMBLE_RANGES_H_

#include <cstdint>

namespace bintool {

/// How many bytes each of `pieces` destinations of R reads from the source:
/// length / pieces, truncated, but at least 1, since every destination makes
/// one read whatever the piece length (so a source shorter than the count of
/// pieces gives its bytes one to a destination). A negative length (the
/// source could not be measured) counts as 0. The remainder of the division
/// goes to no destination.
uint64_t piece_read_length(int64_t length, int pieces);

/// The range I copies, from the argument count and its arguments: the
/// address only with 5 or more arguments, the length only with exactly 6.
struct ExtractRange {
  uint64_t address = 0;  // unsigned offset from the start of the source
  uint64_t limit = 0;    // bytes at most; UINT64_MAX means to the end
};
ExtractRange extract_range(int argc, const char* address, const char* length);

/// The address U writes at: argv[4] with exactly 5 arguments, otherwise 0.
uint64_t insert_address(int argc, const char* address);

}  // namespace bintool

#endif  // BINTOOL_ASSEMBLE_RANGES_H_
