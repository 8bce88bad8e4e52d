// The size of the processor's second-level cache, as Windows says it.
#include <windows.h>

#include <vector>

#include "io/cache_size.h"

namespace bintool {

size_t second_level_cache_size() {
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
}

}  // namespace bintool
