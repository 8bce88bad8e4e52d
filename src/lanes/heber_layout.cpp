// The HEBER conversions a window of output at a time.
#include "lanes/heber_layout.h"

#include <algorithm>

#include "lanes/lane_layout.h"

namespace bintool {
namespace {

// Bytes [at, at + into.size()) of the image with its middle quarters
// exchanged.
bool fetch_exchanged(EpromSource& image, uint64_t quarter, uint64_t at,
                     std::span<uint8_t> into) {
  for (size_t o = 0; o < into.size();) {
    QuarterRun run = exchanged(at + o, quarter);
    auto count = static_cast<size_t>(
        std::min<uint64_t>(into.size() - o, run.until - (at + o)));
    if (!image.fetch(run.from, into.subspan(o, count))) {
      return false;
    }
    o += count;
  }
  return true;
}

}  // namespace

EpromSource::EpromSource(const char* name, uint64_t length)
    : file_(File::open(name, Role::kSource)), length_(length) {}

EpromSource::EpromSource(std::span<const uint8_t> bytes)
    : bytes_(bytes), length_(bytes.size()), in_memory_(true) {}

bool EpromSource::delivers() {
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
  std::optional<size_t> got = file_.read_at(at, bytes);
  if (!got) {
    return false;
  }
  std::ranges::fill(bytes.subspan(*got), uint8_t{0});
  return true;
}

bool heber_program_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                        uint64_t first, std::span<uint8_t> out,
                        Scratch scratch) {
  // Quarters are n / 2 bytes, so none straddles the two halves of W. Byte r
  // of W's half `half` is E1[r + half] for even r and E2[r - 1 + half] for
  // odd r.
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    QuarterRun run = exchanged(j, n / 2);
    auto count =
        static_cast<size_t>(std::min<uint64_t>(out.size() - o, run.until - j));
    uint64_t half = run.from >= n ? 1 : 0;
    uint64_t r = run.from - half * n;
    std::span<uint8_t> part = out.subspan(o, count);
    if (r % 2 != 0) {
      // An odd quarter starts inside a word, with the word's second byte.
      if (!e2.fetch(r - 1 + half, part.first(1))) {
        return false;
      }
      part = part.subspan(1);
      ++r;
    }
    auto a = scratch.a.first(part.size());
    auto b = scratch.b.first(part.size());
    if (!e1.fetch(r + half, a) || !e2.fetch(r + half, b)) {
      return false;
    }
    alternate_even_bytes(a, b, part);
    o += count;
  }
  return true;
}

bool heber_program_split(EpromSource& image, uint64_t length, uint64_t first,
                         std::span<uint8_t> e1, std::span<uint8_t> e2,
                         Scratch scratch) {
  // Both EPROMs take their bytes from the same two stretches of B, the
  // second one byte further on.
  auto low = scratch.a.first(e1.size() + 1);
  auto high = scratch.b.first(e1.size() + 1);
  if (!fetch_exchanged(image, length / 4, first, low) ||
      !fetch_exchanged(image, length / 4, length / 2 + first, high)) {
    return false;
  }
  alternate_even_bytes(low, high, e1);
  alternate_even_bytes(low.subspan(1), high.subspan(1), e2);
  return true;
}

bool heber_video_join(EpromSource& e1, EpromSource& e2, uint64_t n,
                      uint64_t first, std::span<uint8_t> out, Scratch scratch) {
  for (size_t o = 0; o < out.size();) {
    uint64_t j = first + o;
    bool lower = j < n;
    uint64_t i = lower ? j : j - n;
    auto count = static_cast<size_t>(std::min<uint64_t>(out.size() - o, n - i));
    auto from = scratch.a.first(count);
    if (!(lower ? e2 : e1).fetch(i, from)) {
      return false;
    }
    swap_word_bytes(from, out.subspan(o, count));
    o += count;
  }
  return true;
}

bool heber_video_split(EpromSource& image, uint64_t length, uint64_t first,
                       std::span<uint8_t> e1, std::span<uint8_t> e2,
                       Scratch scratch) {
  auto upper = scratch.a.first(e1.size() + e1.size() % 2);
  auto lower = scratch.b.first(upper.size());
  if (!image.fetch(length / 2 + first, upper) || !image.fetch(first, lower)) {
    return false;
  }
  swap_word_bytes(upper, e1);
  swap_word_bytes(lower, e2);
  return true;
}

}  // namespace bintool
