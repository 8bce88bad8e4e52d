// The size of the processor's second-level cache, as the system reports it.
#ifndef BINTOOL_IO_CACHE_SIZE_H_
#define BINTOOL_IO_CACHE_SIZE_H_

#include <cstddef>

namespace bintool {

/// Bytes of one core's second-level cache, or 0 when the system does not say.
size_t second_level_cache_size();

}  // namespace bintool

#endif  // BINTOOL_IO_CACHE_SIZE_H_
