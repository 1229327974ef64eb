#include "cpu/processor_name.h"

#include "cpu/name_rows.h"

namespace engine {
namespace {

using NameFunction = NamePart (*)(const NameInputs&);

struct VendorNames {
  Vendor vendor;
  NameFunction name;
};

const VendorNames kVendorNames[] = {
    {Vendor::Intel, intelName},
    {Vendor::Amd, amdName},
    {Vendor::Cyrix, cyrixName},
    {Vendor::Centaur, centaurName},
    {Vendor::Transmeta, transmetaName},
    {Vendor::Rise, riseName},
    {Vendor::NexGen, nexGenName},
    {Vendor::Umc, umcName},
    {Vendor::Nsc, nscName},
    {Vendor::Sis, sisName},
};

}  // namespace

NameInputs readNameInputs(const ProcessorSignature& signature, const CpuidReader& cpuid) {
  NameInputs in;
  in.family = signature.family;
  in.model = signature.model;
  in.stepping = signature.stepping;
  const CpuidRegisters leaf1 = cpuid.read(1);
  in.leaf1Ebx = leaf1.ebx;
  in.brandIndex = leaf1.ebx & 0xFF;
  in.overdrive = (leaf1.eax >> 12) & 1;
  in.vmx = (leaf1Ecx(cpuid) >> 5) & 1;
  in.coresField = cpuid.read(4, 0).eax >> 26;
  in.descriptors = Leaf2Descriptors(cpuid.read(2));
  in.level2Kilobytes = cpuid.read(0x80000006u).ecx >> 16;
  const CpuidRegisters extended = cpuid.read(0x80000001u);
  in.mp = (extended.edx >> 19) & 1;
  in.longMode = (extended.edx >> 29) & 1;
  in.extendedEax = extended.eax;
  in.extendedEbx = extended.ebx;
  in.addressEcx = cpuid.read(0x80000008u).ecx;
  return in;
}

ProcessorName identifyProcessor(const ProcessorSignature& signature, const NameInputs& inputs) {
  ProcessorName result;
  for (const VendorNames& entry : kVendorNames) {
    if (entry.vendor != signature.vendor) continue;
    const NamePart part = entry.name(inputs);
    result.line = std::string(part.prefix) + part.name;
    if (part.second != nullptr) {
      result.line += ' ';
      result.line += part.second;
    }
    result.line += " processor";
    result.counts = part.counts;
    result.viaC3 = part.viaC3;
  }
  return result;
}

}  // namespace engine
