#include "cpu/processor_signature.h"

namespace engine {

ProcessorSignature readSignature(const CpuidReader& cpuid) {
  ProcessorSignature signature;
  if (!cpuid.present()) return signature;
  signature.cpuid = true;
  const CpuidRegisters leaf0 = cpuid.read(0);
  signature.vendor = recognizeVendor(leaf0.ecx);
  signature.vendorString = vendorString(leaf0);
  const std::uint32_t eax = cpuid.read(1).eax;
  signature.stepping = eax & 0xF;
  signature.model = ((eax >> 16) & 0xF) * 16 + ((eax >> 4) & 0xF);
  signature.family = ((eax >> 8) & 0xF) + ((eax >> 20) & 0xFF);
  return signature;
}

std::uint32_t leaf1Ecx(const CpuidReader& cpuid) {
  return leaf1EcxUndefined(cpuid.read(0).ecx) ? 0 : cpuid.read(1).ecx;
}

}  // namespace engine
