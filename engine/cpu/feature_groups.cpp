#include "cpu/feature_groups.h"

#include <cstring>
#include <iterator>

#include "cpu/processor_signature.h"

namespace engine {
namespace {

constexpr FeatureBit kNone = {FeatureRegister::None, 0};
constexpr FeatureBit edx1(unsigned bit) { return {FeatureRegister::Leaf1Edx, bit}; }
constexpr FeatureBit ecx1(unsigned bit) { return {FeatureRegister::Leaf1Ecx, bit}; }
constexpr FeatureBit edxX(unsigned bit) { return {FeatureRegister::ExtendedEdx, bit}; }
constexpr FeatureBit ecxX(unsigned bit) { return {FeatureRegister::ExtendedEcx, bit}; }

const FeatureMember kScalar[] = {
    {"FPU", edx1(0), kNone},   {"CMOV", edx1(15), kNone},  {"CX8", edx1(8), kNone},
    {"CX16", ecx1(13), kNone}, {"AMD64", edxX(29), kNone},
};

// SSE brings the extended MMX instructions with it, whatever the extended leaf says.
const FeatureMember kVector[] = {
    {"MMX", edx1(23), kNone},     {"MMX+", edxX(22), edx1(25)}, {"3DNow!", edxX(31), kNone},
    {"3DNow!+", edxX(30), kNone}, {"SSE", edx1(25), kNone},     {"SSE2", edx1(26), kNone},
    {"SSE3", ecx1(0), kNone},
};

const FeatureMember kGeneral[] = {
    {"MSR", edx1(5), kNone},     {"FXSR", edx1(24), kNone},  {"CLFSH", edx1(19), kNone},
    {"SENTER", edx1(11), kNone}, {"SCALL", edxX(11), kNone}, {"VMX", ecx1(5), kNone},
    {"SVM", ecxX(2), kNone},
};

const FeatureMember kAddressing[] = {
    {"PSE", edx1(3), kNone},  {"PSE36", edx1(17), kNone}, {"PAE", edx1(6), kNone},
    {"PGE", edx1(13), kNone}, {"PAT", edx1(16), kNone},   {"MTRR", edx1(12), kNone},
};

const FeatureMember kMonitoring[] = {
    {"TSC", edx1(4), kNone}, {"TMSC", edx1(22), kNone}, {"TM", edx1(29), kNone},
    {"TM2", ecx1(8), kNone}, {"MNTR", ecx1(3), kNone},
};

const FeatureMember kOther[] = {
    {"VME", edx1(1), kNone},  {"DE", edx1(2), kNone},   {"MCE", edx1(7), kNone},
    {"MCA", edx1(14), kNone}, {"APIC", edx1(9), kNone}, {"DS", edx1(21), kNone},
    {"SS", edx1(27), kNone},  {"NX", edxX(20), kNone},  {"DCA", ecx1(18), kNone},
};

const FeatureGroup kGroups[kFeatureGroupCount] = {
    {"Scalar:", kScalar, std::size(kScalar)},
    {"Vector:", kVector, std::size(kVector)},
    {"General:", kGeneral, std::size(kGeneral)},
    {"Addressing:", kAddressing, std::size(kAddressing)},
    {"Monitoring:", kMonitoring, std::size(kMonitoring)},
    {"Other:", kOther, std::size(kOther)},
};

bool isSet(FeatureBit bit, const FeatureRegisters& registers) {
  std::uint32_t value = 0;
  switch (bit.reg) {
    case FeatureRegister::None: return false;
    case FeatureRegister::Leaf1Edx: value = registers.leaf1Edx; break;
    case FeatureRegister::Leaf1Ecx: value = registers.leaf1Ecx; break;
    case FeatureRegister::ExtendedEdx: value = registers.extendedEdx; break;
    case FeatureRegister::ExtendedEcx: value = registers.extendedEcx; break;
  }
  return ((value >> bit.bit) & 1) != 0;
}

}  // namespace

FeatureRegisters readFeatureRegisters(const CpuidReader& cpuid) {
  FeatureRegisters registers;
  if (!cpuid.present()) return registers;
  registers.leaf1Edx = cpuid.read(1).edx;
  registers.leaf1Ecx = leaf1Ecx(cpuid);
  const CpuidRegisters extended = cpuid.read(0x80000001u);
  registers.extendedEdx = extended.edx;
  registers.extendedEcx = extended.ecx;
  return registers;
}

const FeatureGroup* featureGroups() { return kGroups; }

const FeatureGroup& vectorGroup() { return kGroups[1]; }

FeatureMask detectGroup(const FeatureGroup& group, const FeatureRegisters& registers) {
  FeatureMask present = 0;
  for (std::size_t i = 0; i < group.count; ++i) {
    const FeatureMember& member = group.members[i];
    if (isSet(member.bit, registers) || isSet(member.alternative, registers)) {
      present |= FeatureMask{1} << i;
    }
  }
  return present;
}

bool hasMember(const FeatureGroup& group, FeatureMask present, const char* name) {
  for (std::size_t i = 0; i < group.count; ++i) {
    if (std::strcmp(group.members[i].name, name) == 0) return ((present >> i) & 1) != 0;
  }
  return false;
}

std::string groupLine(const FeatureGroup& group, FeatureMask present) {
  std::string line = group.label;
  line += ' ';
  for (std::size_t i = 0; i < group.count; ++i) {
    if ((present >> i) & 1) {
      line += group.members[i].name;
      line += ' ';
    }
  }
  return line;
}

}  // namespace engine
