// The descriptor bytes of one CPUID leaf 2 call (Intel's cache and TLB descriptors).
#pragma once

#include <bitset>
#include <cstdint>

#include "cpu/cpuid_source.h"

namespace engine {

class Leaf2Descriptors {
 public:
  explicit Leaf2Descriptors(const CpuidRegisters& leaf2);

  // AL: how often leaf 2 must be called; 0 when the processor lists no descriptors.
  bool listed() const { return listed_; }
  bool has(std::uint8_t descriptor) const { return present_[descriptor]; }
  // EDX's low byte as read, whatever EDX's bit 31 says.
  std::uint8_t edxLowByte() const { return edxLowByte_; }

 private:
  std::bitset<256> present_;
  bool listed_;
  std::uint8_t edxLowByte_;
};

}  // namespace engine
