#include "cpu/vector_features.h"

namespace engine {

VectorFeatures detectVectorFeatures(const CpuidReader& cpuid) {
  VectorFeatures features;
  if (!cpuid.present()) return features;
  const std::uint32_t edx = cpuid.read(1).edx;
  const std::uint32_t extendedEdx = cpuid.read(0x80000001u).edx;
  features.mmx = (edx >> 23) & 1;
  features.sse = (edx >> 25) & 1;
  // SSE brings the extended MMX instructions with it.
  features.mmxPlus = ((extendedEdx >> 22) & 1) || features.sse;
  return features;
}

}  // namespace engine
