// The processor name line of the report ("Intel Core 2 Duo (Conroe) 65nm processor") and the
// number of level-1 and level-2 caches of multi-core models, from the signature and a handful of
// further CPUID fields.
#pragma once

#include <cstdint>
#include <string>

#include "cpu/cpuid_source.h"
#include "cpu/leaf2_descriptors.h"
#include "cpu/processor_signature.h"
#include "cpu/report_text.h"

namespace engine {

struct NameInputs {
  unsigned family = 0;
  unsigned model = 0;
  unsigned stepping = 0;
  unsigned brandIndex = 0;                         // leaf 1 EBX bits 7..0
  bool overdrive = false;                          // processor type bit, leaf 1 EAX bit 12
  bool vmx = false;                                // leaf 1 ECX bit 5
  unsigned coresField = 0;                         // leaf 4 (subleaf 0) EAX bits 31..26
  Leaf2Descriptors descriptors{CpuidRegisters{}};  // also gives the leaf-2 low byte
  unsigned level2Kilobytes = 0;                    // 0x80000006 ECX bits 31..16
  bool mp = false;                                 // 0x80000001 EDX bit 19
  bool longMode = false;                           // 0x80000001 EDX bit 29
  std::uint32_t leaf1Ebx = 0;
  std::uint32_t extendedEax = 0;  // 0x80000001
  std::uint32_t extendedEbx = 0;  // 0x80000001
  std::uint32_t addressEcx = 0;   // 0x80000008
};

NameInputs readNameInputs(const ProcessorSignature& signature, const CpuidReader& cpuid);

struct ProcessorName {
  std::string line;  // without the newline; empty when the vendor is none the tables know
  InstanceCounts counts;
  bool viaC3 = false;  // a VIA C3 giving the Cyrix vendor string: caches from the extended leaves
};

ProcessorName identifyProcessor(const ProcessorSignature& signature, const NameInputs& inputs);

}  // namespace engine
