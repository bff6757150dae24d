#ifndef QUILLBROOK_LARGEALLOCATOR_H
#define QUILLBROOK_LARGEALLOCATOR_H

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "platform/Platform.h"

// The smallest block LargeAllocator takes in whole large pages. A block
// that grows by doubling passes through sizes below a large page, and each
// small page of those costs the host a fault: from an eighth of a large
// page on, a whole one costs less, though it holds a little more memory.
const std::size_t LargeBlockFloor = platform::LargePageSize / 8;

// An allocator for what grows to megabytes with the size of a project (the
// items and index entries of a million files): a block of LargeBlockFloor
// or more is taken in whole large pages, which the host is asked to use.
// Smaller blocks are allocated as usual.
template <typename T>
class LargeAllocator {
public:
  using value_type = T;

  LargeAllocator() = default;
  template <typename U>
  LargeAllocator(const LargeAllocator<U>&) {}

  T* allocate(std::size_t count) {
    if (count > (SIZE_MAX - platform::LargePageSize) / sizeof(T))
      throw std::bad_array_new_length();
    const std::size_t bytes = count * sizeof(T);
    if (bytes < LargeBlockFloor)
      return static_cast<T*>(::operator new(bytes));
    const std::size_t whole = wholePages(bytes);
    void* block = ::operator new(whole, std::align_val_t(platform::LargePageSize));
    platform::adviseLargePages(block, whole);
    return static_cast<T*>(block);
  }

  void deallocate(T* block, std::size_t count) {
    if (count * sizeof(T) < LargeBlockFloor)
      ::operator delete(block);
    else
      ::operator delete(block, std::align_val_t(platform::LargePageSize));
  }

  template <typename U>
  bool operator==(const LargeAllocator<U>&) const {
    return true;
  }
  template <typename U>
  bool operator!=(const LargeAllocator<U>&) const {
    return false;
  }

private:
  static std::size_t wholePages(std::size_t bytes) {
    return (bytes + platform::LargePageSize - 1) / platform::LargePageSize *
           platform::LargePageSize;
  }
};

// A text that may run to tens of megabytes: a project-file line of
// generated definitions or include folders.
using LargeText = std::basic_string<char, std::char_traits<char>, LargeAllocator<char>>;

#endif
