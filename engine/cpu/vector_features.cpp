#include "cpu/vector_features.h"

#include "cpu/feature_groups.h"

namespace engine {

VectorFeatures detectVectorFeatures(const CpuidReader& cpuid) {
  VectorFeatures features;
  if (!cpuid.present()) return features;
  const FeatureGroup& group = vectorGroup();
  const FeatureMask present = detectGroup(group, readFeatureRegisters(cpuid));
  features.mmx = hasMember(group, present, "MMX");
  features.mmxPlus = hasMember(group, present, "MMX+");
  features.sse = hasMember(group, present, "SSE");
  return features;
}

}  // namespace engine
