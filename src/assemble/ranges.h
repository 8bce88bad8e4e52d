// The byte ranges that R, I and U work on.
#ifndef BINTOOL_ASSEMBLE_RANGES_H_
#define BINTOOL_ASSEMBLE_RANGES_H_

#include <cstdint>

namespace bintool {

/// How many bytes each of `pieces` (1 or more) destinations of R reads from
/// a source of `length` (0 or more) bytes: length / pieces, truncated, but at
/// least 1, since every destination makes one read whatever the piece length
/// (so a source shorter than the count of pieces gives its bytes one to a
/// destination). The remainder of the division goes to no destination.
uint64_t piece_read_length(int64_t length, int pieces);

/// The range I copies, from the process's argument count and vector: the
/// address (argv[4]) only with 5 or more arguments, the length (argv[5])
/// only with exactly 6.
struct ExtractRange {
  uint64_t address;  // unsigned offset from the start of the source
  uint64_t limit;    // bytes at most; kToEnd means to the end
};
ExtractRange extract_range(int argc, char* argv[]);

/// The address U writes at: argv[4] with exactly 5 arguments, otherwise 0.
uint64_t insert_address(int argc, char* argv[]);

}  // namespace bintool

#endif  // BINTOOL_ASSEMBLE_RANGES_H_
