// A source's bytes in memory without copying where the system allows: whole,
// for the commands that reorder images, or a window at a time.
#include "app/whole_file.h"

#ifndef _WIN32
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "app/file.h"

namespace bintool {
namespace {

// Mapped windows of WindowReader.
constexpr size_t kMapWindow = size_t{4} << 20;

// Maps [offset, offset + size) of an open file when every page of it is
// already in the file cache. A mapping whose pages must still come from the
// disk could meet a read error only as a fatal signal, so such ranges are
// read instead, where an error is just a short read. `offset` must be a
// multiple of the page size. Elsewhere than POSIX, files are always read.
#ifdef _WIN32
const uint8_t* map_cached(File&, uint64_t, size_t) { return nullptr; }
void unmap_range(const void*, size_t) {}
uint64_t page_size() { return 4096; }
#else
uint64_t page_size() { return static_cast<uint64_t>(sysconf(_SC_PAGESIZE)); }

const uint8_t* map_cached(File& file, uint64_t offset, size_t size) {
  int fd = file.descriptor();
  struct stat info {};
  if (fd < 0 || size == 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<uint64_t>(info.st_size) < offset + size) {
    return nullptr;
  }
  void* at = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd,
                  static_cast<off_t>(offset));
  if (at == MAP_FAILED) {
    return nullptr;
  }
  size_t page = static_cast<size_t>(page_size());
  std::vector<unsigned char> resident((size + page - 1) / page);
  bool cached = mincore(at, size, resident.data()) == 0;
  for (size_t i = 0; cached && i < resident.size(); ++i) {
    cached = (resident[i] & 1) != 0;
  }
  if (!cached) {
    munmap(at, size);
    return nullptr;
  }
  return static_cast<const uint8_t*>(at);
}

void unmap_range(const void* at, size_t size) {
  munmap(const_cast<void*>(at), size);
}
#endif

}  // namespace

WholeFile::WholeFile(WholeFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)),
      copy_(std::move(other.copy_)) {}

WholeFile& WholeFile::operator=(WholeFile&& other) noexcept {
  if (this != &other) {
    release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, 0);
    copy_ = std::move(other.copy_);
  }
  return *this;
}

WholeFile::~WholeFile() { release(); }

void WholeFile::release() {
  if (mapped_ != 0) {
    unmap_range(data_, mapped_);
  }
  data_ = nullptr;
  size_ = 0;
  mapped_ = 0;
  copy_ = Buffer();
}

WholeFile::Status WholeFile::load(const char* path, size_t size,
                                  bool private_copy) {
  release();
  File file = File::open(path, OpenMode::kRead);
  if (!file) {
    return Status::kCantOpen;
  }
  if (!private_copy) {
    if (const uint8_t* mapped = map_cached(file, 0, size)) {
      data_ = mapped;
      size_ = size;
      mapped_ = size;
      return Status::kOk;
    }
  }
  copy_ = Buffer::allocate(size);
  if (!copy_) {
    return Status::kNoMemory;
  }
  size_t got = file.read(copy_.span());
  if (got == 0 && size > 0) {
    copy_ = Buffer();
    return Status::kCantRead;
  }
  std::memset(copy_.data() + got, 0, size - got);
  data_ = copy_.data();
  size_ = size;
  return Status::kOk;
}

WindowReader::WindowReader(File& file, uint64_t limit, std::span<uint8_t> block)
    : file_(file), limit_(limit), block_(block) {}

WindowReader::~WindowReader() { unmap(); }

void WindowReader::unmap() {
  if (mapped_ != nullptr) {
    unmap_range(mapped_, mapped_size_);
    mapped_ = nullptr;
  }
}

std::span<const uint8_t> WindowReader::next() {
  unmap();
  if (ended_ || offset_ >= limit_) {
    return {};
  }
  uint64_t left = limit_ - offset_;
  // Only whole windows at a page boundary can be mapped; blocks are read
  // whole, so after one the next window is on a page boundary again.
  bool aligned = offset_ % page_size() == 0;
  if (aligned && left >= kMapWindow) {
    if (const uint8_t* at = map_cached(file_, offset_, kMapWindow)) {
      mapped_ = const_cast<uint8_t*>(at);
      mapped_size_ = kMapWindow;
      offset_ += kMapWindow;
      return {at, kMapWindow};
    }
  }
  auto want = static_cast<size_t>(std::min<uint64_t>(block_.size(), left));
  size_t got = file_.seek(offset_) ? file_.read(block_.first(want)) : 0;
  ended_ = got < want;
  offset_ += got;
  return block_.first(got);
}

}  // namespace bintool
