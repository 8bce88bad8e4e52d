// Reading a stream block by block.
#include "io/block_reader.h"

#include <algorithm>

#include "io/read_place.h"

namespace bintool {

std::optional<std::span<uint8_t>> BlockReader::next(std::span<uint8_t> into) {
  auto want = static_cast<size_t>(std::min<uint64_t>(into.size(), left_));
#ifdef BINTOOL_CHECK_READS
  check_read_place(into.data(), want, file_.position());
#endif
  std::optional<size_t> got = file_.read(into.first(want));
  if (!got) {
    return std::nullopt;
  }
  // A short read is the end: nothing after it is asked for.
  left_ = *got < want ? 0 : left_ - *got;
  return into.first(*got);
}

}  // namespace bintool
