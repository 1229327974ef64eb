// The six groups of feature flags of the report, and the detection the benchmark gating shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "cpu/cpuid_source.h"

namespace engine {

// The CPUID registers the feature flags live in.
struct FeatureRegisters {
  std::uint32_t leaf1Edx = 0;
  std::uint32_t leaf1Ecx = 0;     // 0 where the vendor leaves it undefined
  std::uint32_t extendedEdx = 0;  // leaf 0x80000001, 0 when the processor does not report it
  std::uint32_t extendedEcx = 0;
};

FeatureRegisters readFeatureRegisters(const CpuidReader& cpuid);

enum class FeatureRegister { None, Leaf1Edx, Leaf1Ecx, ExtendedEdx, ExtendedEcx };

struct FeatureBit {
  FeatureRegister reg;
  unsigned bit;
};

struct FeatureMember {
  const char* name;
  FeatureBit bit;
  FeatureBit alternative;  // a second bit that also means the feature is there, if any
};

struct FeatureGroup {
  const char* label;
  const FeatureMember* members;
  std::size_t count;
};

// "Scalar:", "Vector:", "General:", "Addressing:", "Monitoring:", "Other:", in report order.
const FeatureGroup* featureGroups();
constexpr std::size_t kFeatureGroupCount = 6;
const FeatureGroup& vectorGroup();

// Bit i set: member i of the group is present.
using FeatureMask = std::uint32_t;

FeatureMask detectGroup(const FeatureGroup& group, const FeatureRegisters& registers);
bool hasMember(const FeatureGroup& group, FeatureMask present, const char* name);

// The group's report line: the label, then every present member followed by one blank.
std::string groupLine(const FeatureGroup& group, FeatureMask present);

}  // namespace engine
