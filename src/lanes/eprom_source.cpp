// One EPROM image as a conversion reads it.
#include "lanes/eprom_source.h"

#include <algorithm>
#include <utility>

#include "io/read_place.h"

namespace bintool {

EpromFile::EpromFile(File file, uint64_t length, const char* name)
    : EpromSource(length), file_(std::move(file)), name_(name) {}

bool EpromFile::first_byte_reads() {
  uint8_t probe[1];
  return file_.read_at(0, probe).value_or(0) == 1;
}

bool EpromFile::read(uint64_t at, std::span<uint8_t> into) {
#ifdef BINTOOL_CHECK_READS
  check_read_place(into.data(), into.size(), at);
#endif
  std::optional<size_t> got = file_.read_at(at, into);
  if (!got) {
    return false;
  }
  std::ranges::fill(into.subspan(*got), uint8_t{0});
  return true;
}

bool EpromSource::fetch(uint64_t at, std::span<uint8_t> into) {
  uint64_t start = std::min(at, length_);
  auto inside =
      static_cast<size_t>(std::min<uint64_t>(into.size(), length_ - start));
  std::ranges::fill(into.subspan(inside), uint8_t{0xFF});
  return read(at, into.first(inside));
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
