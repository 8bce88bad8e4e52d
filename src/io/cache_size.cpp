// The size of the processor's second-level cache, as the system reports it.
#include "io/cache_size.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#else
#include <unistd.h>
#endif

namespace bintool {

size_t second_level_cache_size() {
#ifdef _WIN32
  DWORD bytes = 0;
  GetLogicalProcessorInformation(nullptr, &bytes);
  std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> entries(
      bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
  bytes = static_cast<DWORD>(entries.size() * sizeof(entries[0]));
  if (entries.empty() ||
      !GetLogicalProcessorInformation(entries.data(), &bytes)) {
    return 0;
  }
  for (const auto& entry : entries) {
    if (entry.Relationship == RelationCache && entry.Cache.Level == 2) {
      return entry.Cache.Size;
    }
  }
  return 0;
#elif defined(_SC_LEVEL2_CACHE_SIZE)
  long size = sysconf(_SC_LEVEL2_CACHE_SIZE);
  return size > 0 ? static_cast<size_t>(size) : 0;
#else
  return 0;
#endif
}

}  // namespace bintool
