// The vector extensions that gate the MMX, MMX+ and SSE benchmarks: members of the report's
// "Vector:" group, from the same detection, so the gating never disagrees with the report.
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
