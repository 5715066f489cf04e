#include "support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace zufora::bench {
namespace {

std::atomic<std::size_t> current_bytes{0};
std::atomic<std::size_t> peak_bytes{0};

// Each block carries its size in front, so that delete knows what it frees.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  *static_cast<std::size_t*>(block) = size;
  const std::size_t now = current_bytes += size;
  std::size_t peak = peak_bytes.load();
  while (now > peak && !peak_bytes.compare_exchange_weak(peak, now)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (pointer == nullptr) {
    return;
  }
  void* block = static_cast<char*>(pointer) - kHeader;
  current_bytes -= *static_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

std::size_t CurrentAllocatedBytes() {
  return current_bytes.load();
}
std::size_t PeakAllocatedBytes() {
  return peak_bytes.load();
}
void ResetPeakAllocatedBytes() {
  peak_bytes = current_bytes.load();
}

}  // namespace zufora::bench

void* operator new(std::size_t size) {
  return zufora::bench::Allocate(size);
}
void* operator new[](std::size_t size) {
  return zufora::bench::Allocate(size);
}
void operator delete(void* pointer) noexcept {
  zufora::bench::Release(pointer);
}
void operator delete[](void* pointer) noexcept {
  zufora::bench::Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  zufora::bench::Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  zufora::bench::Release(pointer);
}
