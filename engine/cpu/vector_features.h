// The vector extensions that gate the MMX, MMX+ and SSE benchmarks.
#pragma once

#include "cpu/cpuid_source.h"

namespace engine {

struct VectorFeatures {
  bool mmx = false;
  bool mmxPlus = false;  // the extended MMX instructions: MOVNTQ, PREFETCHNTA...
  bool sse = false;
};

VectorFeatures detectVectorFeatures(const CpuidReader& cpuid);

}  // namespace engine
