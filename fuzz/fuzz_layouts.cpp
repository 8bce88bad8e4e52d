// Fuzzes the HEBER layouts: no length makes them read or write outside their
// spans, any windowing gives the same bytes, and join and split are inverses
// wherever the board's sizes allow.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "lanes/lane_layout.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Join = void (*)(std::span<const uint8_t>, std::span<const uint8_t>,
                      uint64_t, std::span<uint8_t>);
using Split = void (*)(std::span<const uint8_t>, int, uint64_t,
                       std::span<uint8_t>);

// The output of `fill` made whole and made in windows of `window` bytes,
// which must agree.
template <typename Fill>
Bytes fill_checked(size_t size, size_t window, Fill fill) {
  Bytes whole(size);
  fill(0, std::span<uint8_t>(whole));
  Bytes pieces(size);
  for (size_t at = 0; at < size; at += window) {
    fill(at,
         std::span<uint8_t>(pieces).subspan(at, std::min(window, size - at)));
  }
  if (pieces != whole) {
    std::abort();
  }
  return whole;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  size_t window = 1 + data[0] % 61;
  std::span<const uint8_t> image(data + 1, size - 1);
  size_t half = image.size() / 2;
  const std::pair<Join, Split> kLayouts[] = {
      {bintool::heber_program_join, bintool::heber_program_split},
      {bintool::heber_video_join, bintool::heber_video_split}};
  for (const auto& layout : kLayouts) {
    Join join = layout.first;
    Split split = layout.second;
    Bytes e1 = fill_checked(
        half, window,
        [&](uint64_t at, std::span<uint8_t> out) { split(image, 0, at, out); });
    Bytes e2 = fill_checked(
        half, window,
        [&](uint64_t at, std::span<uint8_t> out) { split(image, 1, at, out); });
    if (image.size() % 4 == 0) {
      Bytes back = fill_checked(
          image.size(), window,
          [&](uint64_t at, std::span<uint8_t> out) { join(e1, e2, at, out); });
      if (!std::equal(back.begin(), back.end(), image.begin(), image.end())) {
        std::abort();
      }
    }
    // Two EPROM images of any even length survive join then split.
    size_t n = half & ~size_t{1};
    std::span<const uint8_t> first = image.first(n);
    std::span<const uint8_t> second = image.subspan(half, n);
    Bytes joined =
        fill_checked(2 * n, window, [&](uint64_t at, std::span<uint8_t> out) {
          join(first, second, at, out);
        });
    Bytes again(n);
    split(joined, 0, 0, again);
    if (!std::equal(again.begin(), again.end(), first.begin(), first.end())) {
      std::abort();
    }
    split(joined, 1, 0, again);
    if (!std::equal(again.begin(), again.end(), second.begin(), second.end())) {
      std::abort();
    }
  }
  return 0;
}
