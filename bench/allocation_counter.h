// Heap bytes held by the benchmark process, counted by the replacement of the
// global operator new and delete in allocation_counter.cpp: how much memory
// one action needs at its peak, whatever the allocator keeps in reserve.
#pragma once

#include <cstddef>

namespace quorvane::bench {

// The peak of the bytes allocated with operator new during the scope's life,
// above what was held when it began. Scopes do not nest.
class PeakAllocationScope {
 public:
  PeakAllocationScope();
  PeakAllocationScope(const PeakAllocationScope&) = delete;
  PeakAllocationScope& operator=(const PeakAllocationScope&) = delete;

  std::size_t PeakBytes() const;

 private:
  std::size_t held_at_start_;
};

}  // namespace quorvane::bench
