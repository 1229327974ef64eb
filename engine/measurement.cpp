#include "measurement.h"

#include <cstdint>
#include <cstdlib>

#include "counter.h"
#include "memory_advice.h"

namespace engine {

MeasurementArrays::MeasurementArrays(Placement placement, int count, std::size_t bytes) {
  if (placement == Placement::Separate) {
    for (int i = 0; i < count; ++i) {
      allocations_[i] = arrays_[i] = std::malloc(bytes);
      if (arrays_[i] == nullptr) {
        release();
        return;
      }
      adviseLargePages(arrays_[i], bytes);
    }
  } else {
    if (bytes > (SIZE_MAX - kPageSize) / count) return;
    allocations_[0] = std::malloc(count * bytes + kPageSize);
    if (allocations_[0] == nullptr) return;
    adviseLargePages(allocations_[0], count * bytes + kPageSize);
    const std::uintptr_t first = pageBoundaryAbove(reinterpret_cast<std::uintptr_t>(allocations_[0]));
    for (int i = 0; i < count; ++i) arrays_[i] = reinterpret_cast<void*>(first + i * bytes);
  }
  allocated_ = true;
}

MeasurementArrays::~MeasurementArrays() { release(); }

void MeasurementArrays::release() {
  for (void*& allocation : allocations_) {
    std::free(allocation);
    allocation = nullptr;
  }
  allocated_ = false;
}

std::optional<std::uint32_t> measureBlock(Placement placement, BlockFill fill, BlockKernel kernel,
                                          std::size_t bytes, std::uint32_t passes,
                                          std::uint64_t counterFrequency) {
  MeasurementArrays arrays(placement, 1, bytes);
  if (!arrays.allocated()) return std::nullopt;
  if (fill != nullptr) fill(arrays.array(0), bytes);
  const std::uint64_t start = counterNow();
  kernel(arrays.array(0), bytes, passes);
  const std::uint64_t end = counterNow();
  arrays.release();
  return elapsedMilliseconds(start, end, counterFrequency);
}

std::optional<std::uint32_t> measureMemory(Placement placement, MemoryFill fill,
                                           MemoryKernel kernel, int sources, std::size_t bytes,
                                           std::uint32_t passes, std::uint64_t counterFrequency) {
  MeasurementArrays arrays(placement, sources + 1, bytes);
  if (!arrays.allocated()) return std::nullopt;
  const Arrays view{arrays.array(0), arrays.array(1), arrays.array(2)};
  fill(view, bytes, sources);
  const std::uint64_t start = counterNow();
  kernel(view, bytes, passes);
  const std::uint64_t end = counterNow();
  arrays.release();
  return elapsedMilliseconds(start, end, counterFrequency);
}

}  // namespace engine
