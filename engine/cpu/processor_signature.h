// Vendor, family, model and stepping of the processor, from CPUID leaves 0 and 1.
#pragma once

#include <cstdint>
#include <string>

#include "cpu/cpu_vendor.h"
#include "cpu/cpuid_source.h"

namespace engine {

struct ProcessorSignature {
  bool cpuid = false;  // the processor executes CPUID; nothing below is set otherwise
  Vendor vendor = Vendor::Unknown;
  std::string vendorString;
  unsigned stepping = 0;
  unsigned model = 0;   // extended model × 16 + model, whatever the family
  unsigned family = 0;  // family + extended family, whatever the family
};

ProcessorSignature readSignature(const CpuidReader& cpuid);

// Leaf 1 ECX as every feature test reads it: 0 on processors that leave it undefined.
std::uint32_t leaf1Ecx(const CpuidReader& cpuid);

}  // namespace engine
