// Large buffers for whole files.
//
// A sequence file is read whole into one buffer. For files of many
// megabytes, touching the buffer page by page costs more than the read
// itself; the buffer asks the system for huge pages where it offers them.
//
//   LargeBuffer buffer;
//   buffer.Reserve(64 << 20);     // => buffer.data() holds 64 MiB, unset
//   buffer.Reserve(1 << 20);      // => the same memory, nothing moves
#pragma once

#include <cstddef>

namespace tw {

class LargeBuffer {
 public:
  LargeBuffer() = default;
  ~LargeBuffer();
  LargeBuffer(LargeBuffer &&other) noexcept;
  LargeBuffer &operator=(LargeBuffer &&other) noexcept;
  LargeBuffer(const LargeBuffer &) = delete;
  LargeBuffer &operator=(const LargeBuffer &) = delete;

  // Makes room for at least size bytes; the old content is not kept when
  // the buffer must grow. Raises std::bad_alloc when the memory cannot be had.
  void Reserve(std::size_t size);

  char *data() const { return data_; }
  std::size_t capacity() const { return capacity_; }

 private:
  void Release();

  char *data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace tw
