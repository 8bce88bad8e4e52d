// P's plan: how many rows a window shows, and whether it warns or refuses.
#include "inspect/view_plan.h"

#include <algorithm>

namespace bintool {

ViewPlan plan_view(int64_t length, uint64_t address, int32_t rows) {
  // Row counts from 0x8000000 on have never fitted a signed 32-bit count of
  // bytes.
  if (rows < 0 || rows >= 0x8000000) {
    return {0, false, true};
  }
  auto start = static_cast<int64_t>(address);
  if (length >= start + int64_t{rows} * 16) {
    return {rows, false, false};
  }
  // Division truncates toward zero, as it always has: up to 15 bytes past
  // the end still show one row, 16 to 31 none.
  int64_t cut = (length - start) / 16 + 1;
  return {std::max<int64_t>(cut, 0), true, cut < 0};
}

}  // namespace bintool
