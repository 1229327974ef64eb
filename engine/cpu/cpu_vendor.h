// The processor makers the identification knows, recognised from CPUID leaf 0.
#pragma once

#include <cstdint>
#include <string>

#include "cpu/cpuid_source.h"

namespace engine {

enum class Vendor {
  Unknown = 0,
  Intel = 1,
  Amd = 2,
  Cyrix = 3,
  Centaur = 4,
  Transmeta = 5,
  Rise = 6,
  NexGen = 7,
  Umc = 8,
  Nsc = 9,
  Sis = 10,
};

// The 12-character vendor string of leaf 0 (EBX, EDX, ECX), cut at a NUL as C text would be.
std::string vendorString(const CpuidRegisters& leaf0);

// Recognised by the last four characters of the vendor string, the ECX part of leaf 0.
Vendor recognizeVendor(std::uint32_t leaf0Ecx);

// Cyrix processors ("CyrixInstead") leave leaf 1 ECX undefined, so it must read as 0 for them.
bool leaf1EcxUndefined(std::uint32_t leaf0Ecx);

}  // namespace engine
