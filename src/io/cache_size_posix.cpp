// The size of the processor's second-level cache, as POSIX systems say it.
#include <unistd.h>

#include "io/cache_size.h"

namespace bintool {

size_t second_level_cache_size() {
#ifdef _SC_LEVEL2_CACHE_SIZE
  long size = sysconf(_SC_LEVEL2_CACHE_SIZE);
  return size > 0 ? static_cast<size_t>(size) : 0;
#else
  return 0;
#endif
}

}  // namespace bintool
