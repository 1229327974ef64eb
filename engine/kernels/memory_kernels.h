// The Copy/Scale/Add/Triad kernels: four plain classes and the two non-temporal classes, each of
// those in a PREFETCHNTA and a PREFETCHT0 variant.
#pragma once

#include "kernels/kernels.h"

namespace engine {

extern const MemoryKernels kIntegerMemoryKernels;
extern const MemoryKernels kX87MemoryKernels;
extern const MemoryKernels kMmxMemoryKernels;
extern const MemoryKernels kSseMemoryKernels;
extern const MemoryKernels kMmxNtaMemoryKernels;
extern const MemoryKernels kMmxT0MemoryKernels;
extern const MemoryKernels kSseNtaMemoryKernels;
extern const MemoryKernels kSseT0MemoryKernels;

}  // namespace engine
