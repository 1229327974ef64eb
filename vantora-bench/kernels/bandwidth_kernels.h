// Read, write, copy and non-temporal write for each instruction class.
#pragma once

#include "kernels/kernel.h"

namespace vbench {

// Bytes per loop iteration: 512 of the one buffer of read, write and ntwrite, 256 of each of
// copy's two, so any working set of whole kilobytes is whole chunks for every kernel.
constexpr std::size_t kSweepChunk = 512;
constexpr std::size_t kCopyChunk = 256;

struct BandwidthKernels {
  Kernel read;
  Kernel write;
  Kernel copy;
  Kernel ntWrite;
};

extern const BandwidthKernels kInt64Kernels;
extern const BandwidthKernels kSseKernels;
extern const BandwidthKernels kAvx2Kernels;
extern const BandwidthKernels kAvx512Kernels;

}  // namespace vbench
