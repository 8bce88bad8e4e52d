// A source's bytes in memory, whole, for the commands that reorder images.
#include "io/whole_file.h"

#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>

#include <csetjmp>
#include <csignal>
#endif

#include <cstring>
#include <optional>
#include <vector>

#include "io/file.h"

namespace bintool {
namespace {

// Maps the first `size` bytes of an open file when every page of them is in
// the file cache. The mapping reads nothing from the medium to find out;
// pages that would have to come from it are read through the file instead,
// where a failure is a read error. Windows files are always read.
#ifdef _WIN32
const uint8_t* map_cached(File&, size_t) { return nullptr; }
void unmap(const uint8_t*, size_t) {}
#else
const uint8_t* map_cached(File& file, size_t size) {
  void* at = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.descriptor(), 0);
  if (at == MAP_FAILED) {
    return nullptr;
  }
  auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  std::vector<unsigned char> resident((size + page - 1) / page);
  bool cached = mincore(at, size, resident.data()) == 0;
  for (unsigned char pages : resident) {
    cached = cached && (pages & 1) != 0;
  }
  if (!cached) {
    munmap(at, size);
    return nullptr;
  }
  return static_cast<const uint8_t*>(at);
}

void unmap(const uint8_t* at, size_t size) {
  munmap(const_cast<uint8_t*>(at), size);
}

sigjmp_buf g_escape;

extern "C" void escape_bus_error(int) { siglongjmp(g_escape, 1); }
#endif

}  // namespace

WholeFile::~WholeFile() {
  if (mapped_ != 0) {
    unmap(data_, mapped_);
  }
}

WholeFile::Status WholeFile::load(const char* path, size_t size,
                                  bool private_copy) {
  File file = File::open(path, OpenMode::kRead);
  if (!file) {
    return Status::kCantOpen;
  }
  data_ = private_copy ? nullptr : map_cached(file, size);
  if (data_ != nullptr) {
    size_ = mapped_ = size;
    return Status::kOk;
  }
  copy_ = Buffer::allocate(size);
  if (!copy_) {
    return Status::kNoMemory;
  }
  std::optional<size_t> got = file.read(copy_.span());
  if (!got || (*got == 0 && size > 0)) {
    return Status::kCantRead;
  }
  std::memset(copy_.data() + *got, 0, size - *got);
  data_ = copy_.data();
  size_ = size;
  return Status::kOk;
}

#ifdef _WIN32
bool run_guarded(void (*work)(void*), void* context) {
  work(context);
  return true;
}
#else
bool run_guarded(void (*work)(void*), void* context) {
  struct sigaction escape {};
  struct sigaction previous {};
  escape.sa_handler = escape_bus_error;
  sigemptyset(&escape.sa_mask);
  sigaction(SIGBUS, &escape, &previous);
  // A lost page raises SIGBUS inside `work`; the handler comes back here.
  bool done = sigsetjmp(g_escape, 1) == 0;
  if (done) {
    work(context);
  }
  sigaction(SIGBUS, &previous, nullptr);
  return done;
}
#endif

}  // namespace bintool
