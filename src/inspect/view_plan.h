// P's plan: how many rows a window shows, and whether it warns or refuses.
#ifndef BINTOOL_INSPECT_VIEW_PLAN_H_
#define BINTOOL_INSPECT_VIEW_PLAN_H_

#include <cstdint>

namespace bintool {

/// What P prints for a file of `length` bytes from `address`, when `rows`
/// rows were asked for (the decimal count read as a signed 32-bit value).
struct ViewPlan {
  int64_t rows;  // rows to print; with 0 only the offset column shows
  bool warning;  // the window passes the end: the warning comes first
  bool refused;  // print the refusal and end the run, no row
};

/// Negative counts and counts of 0x8000000 rows or more are refused. A
/// window past the end is cut to end with the row that holds the end-of-file
/// position (after the warning); one that starts 32 or more bytes past the
/// end has no rows left at all and is refused after the warning.
ViewPlan plan_view(int64_t length, uint64_t address, int32_t rows);

}  // namespace bintool

#endif  // BINTOOL_INSPECT_VIEW_PLAN_H_
