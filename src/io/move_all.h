// The loop under every read and write of File: a call moves what the system
// takes, and the next goes on from there.
#ifndef BINTOOL_IO_MOVE_ALL_H_
#define BINTOOL_IO_MOVE_ALL_H_

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <optional>

namespace bintool {

/// One system call moves at most this much; the loop goes on for more.
inline constexpr size_t kMostPerCall = size_t{1} << 30;

/// Calls move(done, most) until `size` bytes are done, the file ends (0) or
/// the system fails (-1, an interrupted call aside); returns the bytes done,
/// no value after a failure.
template <typename Move>
std::optional<size_t> move_all(size_t size, Move move) {
  size_t done = 0;
  while (done < size) {
    auto got = move(done, std::min(size - done, kMostPerCall));
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got < 0) {
      return std::nullopt;
    }
    if (got == 0) {
      break;
    }
    done += static_cast<size_t>(got);
  }
  return done;
}

}  // namespace bintool

#endif  // BINTOOL_IO_MOVE_ALL_H_
