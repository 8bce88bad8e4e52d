// One EPROM image as a conversion reads it.
#include "lanes/eprom_source.h"

#include <algorithm>
#include <utility>

#include "io/read_place.h"

namespace bintool {

EpromSource::EpromSource(File file, uint64_t length)
    : file_(std::move(file)), length_(length) {}

EpromSource::EpromSource(std::span<const uint8_t> bytes)
    : bytes_(bytes), length_(bytes.size()), in_memory_(true) {}

bool EpromSource::first_byte_reads() {
  uint8_t probe[1];
  return file_.read_at(0, probe).value_or(0) == 1;
}

bool EpromSource::fetch(uint64_t at, std::span<uint8_t> into) {
  uint64_t start = std::min(at, length_);
  auto inside =
      static_cast<size_t>(std::min<uint64_t>(into.size(), length_ - start));
  std::ranges::fill(into.subspan(inside), uint8_t{0xFF});
  std::span<uint8_t> bytes = into.first(inside);
  if (in_memory_) {
    std::ranges::copy(bytes_.subspan(static_cast<size_t>(start), inside),
                      bytes.begin());
    return true;
  }
#ifdef BINTOOL_CHECK_READS
  check_read_place(bytes.data(), bytes.size(), at);
#endif
  std::optional<size_t> got = file_.read_at(at, bytes);
  if (!got) {
    return false;
  }
  std::ranges::fill(bytes.subspan(*got), uint8_t{0});
  return true;
}

std::optional<std::span<const uint8_t>> EpromSource::view(
    uint64_t at, size_t size, std::span<uint8_t> room) {
  std::span<uint8_t> into = room.subspan(at % kReadAlignment, size);
  if (!fetch(at, into)) {
    return std::nullopt;
  }
  return into;
}

}  // namespace bintool
