// Heap blocks whose request may fail, obtained without exceptions.
#include "io/buffer.h"

#include <new>

namespace bintool {
namespace {

// Page-aligned blocks: the system copies file data to and from them fastest.
constexpr std::align_val_t kAlignment{4096};

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
  }
  return buffer;
}

}  // namespace bintool
