// One measurement: allocate the arrays, pre-fill the sources, time the kernel's passes, release.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "kernels/kernels.h"

namespace engine {

enum class Placement {
  Separate,     // one plain allocation per array, used as the allocator returns it
  PageAligned,  // one allocation, the arrays contiguous from a 4096-byte boundary
};

constexpr std::size_t kPageSize = 4096;

// The next 4096-byte boundary strictly above `address`: an address already on a boundary moves
// a whole page, so a page-aligned allocation always consumes 1 to 4096 bytes of slack.
constexpr std::uintptr_t pageBoundaryAbove(std::uintptr_t address) {
  return (address + kPageSize) & ~std::uintptr_t(kPageSize - 1);
}

// The arrays of one measurement, released when it goes out of scope.
class MeasurementArrays {
 public:
  // REQUIRES: 1 <= count <= 3.
  MeasurementArrays(Placement placement, int count, std::size_t bytes);
  ~MeasurementArrays();
  MeasurementArrays(const MeasurementArrays&) = delete;
  MeasurementArrays& operator=(const MeasurementArrays&) = delete;

  bool allocated() const { return allocated_; }
  void* array(int index) const { return arrays_[index]; }
  // Releases the memory now rather than at the end of the scope.
  void release();

 private:
  void* allocations_[3] = {};
  void* arrays_[3] = {};
  bool allocated_ = false;
};

// Elapsed whole milliseconds of `passes` sweeps of a block of `bytes`, or nothing when the
// block cannot be allocated.
std::optional<std::uint32_t> measureBlock(Placement placement, BlockFill fill, BlockKernel kernel,
                                          std::size_t bytes, std::uint32_t passes,
                                          std::uint64_t counterFrequency);

// Elapsed whole milliseconds of `passes` sweeps of one memory operation over arrays of `bytes`
// each; `sources` is 1 for Copy and Scale (a -> b) and 2 for Add and Triad (a, b -> c).
std::optional<std::uint32_t> measureMemory(Placement placement, MemoryFill fill,
                                           MemoryKernel kernel, int sources, std::size_t bytes,
                                           std::uint32_t passes, std::uint64_t counterFrequency);

}  // namespace engine
