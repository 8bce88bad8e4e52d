// Heap blocks whose request may fail, obtained without exceptions.
#include "io/buffer.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace bintool {
namespace {

// Aligned to a huge page, so a whole source held in memory faults in 2 MiB
// at a time, not 4 KiB: many times faster on a virtual machine.
constexpr std::align_val_t kAlignment{size_t{2} << 20};

}  // namespace

void Buffer::Free::operator()(uint8_t* data) const {
  ::operator delete[](data, kAlignment);
}

Buffer Buffer::allocate(size_t size) {
  Buffer buffer;
  buffer.data_.reset(
      static_cast<uint8_t*>(::operator new[](size, kAlignment, std::nothrow)));
  if (buffer.data_) {
    buffer.size_ = size;
#ifdef __linux__
    madvise(buffer.data_.get(), size, MADV_HUGEPAGE);
#endif
  }
  return buffer;
}

}  // namespace bintool
