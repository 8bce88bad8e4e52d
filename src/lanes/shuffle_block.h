// The block of the conversions that pass every byte through memory into new
// files (S, O, 1 to 4), sized for the processor they run on.
#ifndef BINTOOL_LANES_SHUFFLE_BLOCK_H_
#define BINTOOL_LANES_SHUFFLE_BLOCK_H_

#include <cstddef>

namespace bintool {

/// Bytes of each lane (S, O) or of each EPROM-side block (1 to 4) a step
/// handles, for a second-level cache of `cache` bytes (0: not known). A step
/// holds four such blocks, its source bytes and what they become, and they
/// fill the cache up to 1 MiB: a power of two from 64 KiB to 256 KiB, 64 KiB
/// when the cache is not known.
size_t shuffle_block_for(size_t cache);

/// The block for this processor, asked of the system once a run. A test
/// build keeps four of its small blocks, so that small files span many.
size_t shuffle_block_size();

}  // namespace bintool

#endif  // BINTOOL_LANES_SHUFFLE_BLOCK_H_
