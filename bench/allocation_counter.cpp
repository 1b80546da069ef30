#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace quorvane::bench {
namespace {

// Each block carries its size in a header of the default new alignment, so
// that the block after it keeps that alignment.
constexpr std::size_t kHeaderBytes = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
static_assert(kHeaderBytes >= sizeof(std::size_t));

std::atomic<std::size_t> held_bytes{0};
std::atomic<std::size_t> peak_bytes{0};

void RaisePeakTo(std::size_t held) {
  std::size_t peak = peak_bytes.load(std::memory_order_relaxed);
  while (held > peak && !peak_bytes.compare_exchange_weak(peak, held, std::memory_order_relaxed)) {
  }
}

void* AllocateCounted(std::size_t size) {
  void* block = std::malloc(size + kHeaderBytes);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  RaisePeakTo(held_bytes.fetch_add(size, std::memory_order_relaxed) + size);
  return static_cast<unsigned char*>(block) + kHeaderBytes;
}

void FreeCounted(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<unsigned char*>(pointer) - kHeaderBytes;
  held_bytes.fetch_sub(*static_cast<std::size_t*>(block), std::memory_order_relaxed);
  std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
  void* pointer = AllocateCounted(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

PeakAllocationScope::PeakAllocationScope()
    : held_at_start_(held_bytes.load(std::memory_order_relaxed)) {
  peak_bytes.store(held_at_start_, std::memory_order_relaxed);
}

std::size_t PeakAllocationScope::PeakBytes() const {
  return peak_bytes.load(std::memory_order_relaxed) - held_at_start_;
}

}  // namespace quorvane::bench

// The replaceable allocation functions; the array and nothrow forms would
// forward to these by default, but are replaced too so that no block escapes
// the count. Over-aligned allocations keep the library's own functions.
void* operator new(std::size_t size) { return quorvane::bench::AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return quorvane::bench::AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return quorvane::bench::AllocateCounted(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return quorvane::bench::AllocateCounted(size);
}
void operator delete(void* pointer) noexcept { quorvane::bench::FreeCounted(pointer); }
void operator delete[](void* pointer) noexcept { quorvane::bench::FreeCounted(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { quorvane::bench::FreeCounted(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept {
  quorvane::bench::FreeCounted(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  quorvane::bench::FreeCounted(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  quorvane::bench::FreeCounted(pointer);
}
