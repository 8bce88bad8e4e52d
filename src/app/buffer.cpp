// Heap blocks whose request may fail, obtained without exceptions.
#include "app/buffer.h"

#include <new>

namespace bintool {

Buffer Buffer::allocate(size_t size) {
  Buffer buffer;
  // new[] of 0 bytes still gives a unique pointer, so an empty file has a
  // valid (empty) block.
  buffer.data_.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
  buffer.size_ = buffer.data_ ? size : 0;
  return buffer;
}

Buffer Buffer::allocate_halving(size_t wanted, size_t minimum) {
  for (size_t size = wanted; size >= minimum && size > 0; size /= 2) {
    Buffer buffer = allocate(size);
    if (buffer) {
      return buffer;
    }
  }
  return Buffer();
}

}  // namespace bintool
