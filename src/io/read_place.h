// Where a read lands in memory, checked in test builds.
#ifndef BINTOOL_IO_READ_PLACE_H_
#define BINTOOL_IO_READ_PLACE_H_

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "io/buffer.h"

namespace bintool {

/// A test build (BINTOOL_CHECK_READS) ends the run at a read of a block or
/// more that lands off its place (see kReadAlignment): every test then checks
/// that the streaming reads land where the system copies them fastest. `at`
/// is the file offset read from; none for a pipe.
inline void check_read_place(const uint8_t* into, size_t size,
                             std::optional<uint64_t> at) {
  if (size >= kReadAlignment && at &&
      (reinterpret_cast<uintptr_t>(into) - *at) % kReadAlignment != 0) {
    std::fprintf(stderr,
                 "bintool: a read of %zu bytes at %llu is off its place\n",
                 size, static_cast<unsigned long long>(*at));
    std::abort();
  }
}

}  // namespace bintool

#endif  // BINTOOL_IO_READ_PLACE_H_
