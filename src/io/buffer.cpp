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
  // new[] of 0 bytes still gives a unique pointer, so an empty file has a
  // valid (empty) block.
  buffer.data_.reset(static_cast<uint8_t*>(
      ::operator new[](size == 0 ? 1 : size, kAlignment, std::nothrow)));
  buffer.size_ = buffer.data_ ? size : 0;
  return buffer;
}

}  // namespace bintool
