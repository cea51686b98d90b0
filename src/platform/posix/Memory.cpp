#include "platform/Memory.h"

#include <sys/mman.h>

#include <new>
#include <utility>

namespace tw {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

LargeBuffer::~LargeBuffer() { Release(); }

LargeBuffer::LargeBuffer(LargeBuffer &&other) noexcept { *this = std::move(other); }

LargeBuffer &LargeBuffer::operator=(LargeBuffer &&other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

void LargeBuffer::Release() {
  if (data_ != nullptr) ::munmap(data_, capacity_);
  data_ = nullptr;
  capacity_ = 0;
}

void LargeBuffer::Reserve(std::size_t size) {
  if (size <= capacity_ && data_ != nullptr) return;
  Release();
  // Whole huge pages, so that the system can back all of it with them.
  const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
  const std::size_t length = rounded > 0 ? rounded : kHugePage;
  void *memory = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  ::madvise(memory, length, MADV_HUGEPAGE);  // a hint; refused where unsupported
  data_ = static_cast<char *>(memory);
  capacity_ = length;
}

}  // namespace tw
