// Shorthands for the synthetic processors of the identification tests.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "fake_cpuid.h"

namespace engine_test {

// Leaf 1 EAX for a family and model as the report prints them (combined with their extensions).
inline std::uint32_t signature(unsigned family, unsigned model, unsigned stepping) {
  const unsigned baseFamily = family >= 0xF ? 0xF : family;
  const unsigned extendedFamily = family >= 0xF ? family - 0xF : 0;
  return (extendedFamily << 20) | ((model >> 4) << 16) | (baseFamily << 8) | ((model & 0xF) << 4) |
         stepping;
}

// One leaf 2 call listing `codes`: AL = 1, then EAX bytes 1..3, EBX, ECX and EDX bytes 0..3.
inline engine::CpuidRegisters leaf2(std::initializer_list<std::uint8_t> codes) {
  std::uint32_t registers[4] = {1, 0, 0, 0};
  unsigned slot = 1;
  for (const std::uint8_t code : codes) {
    registers[slot / 4] |= std::uint32_t{code} << (8 * (slot % 4));
    ++slot;
  }
  return {registers[0], registers[1], registers[2], registers[3]};
}

inline FakeCpuid intel(unsigned family, unsigned model, unsigned stepping) {
  return FakeCpuid("GenuineIntel", signature(family, model, stepping));
}

// AMD repeats the signature in 0x80000001 EAX.
inline FakeCpuid amd(unsigned family, unsigned model, unsigned stepping) {
  FakeCpuid cpu("AuthenticAMD", signature(family, model, stepping));
  cpu.set(0x80000001u, {signature(family, model, stepping), 0, 0, 0});
  return cpu;
}

}  // namespace engine_test
