// Fills an array with a four-lane MMX pattern: MOVQ (or MOVNTQ) stores, 32 bytes per step.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {
namespace kernels {

void fillMmxLanes(void* array, std::size_t bytes, std::uint64_t lanes);
void fillMmxLanesNonTemporal(void* array, std::size_t bytes, std::uint64_t lanes);

}  // namespace kernels
}  // namespace engine
