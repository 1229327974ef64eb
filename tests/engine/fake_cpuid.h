// A synthetic processor for identification tests: CPUID answers set leaf by leaf.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "cpu/cpuid_source.h"

namespace engine_test {

class FakeCpuid final : public engine::CpuidSource {
 public:
  // Leaf 0 with the 12-character `vendor`, and leaf 1 with `signature` in EAX.
  FakeCpuid(const std::string& vendor, std::uint32_t signature) {
    engine::CpuidRegisters leaf0;
    std::uint32_t parts[3] = {};
    std::memcpy(parts, vendor.data(), std::min<std::size_t>(vendor.size(), 12));
    leaf0.ebx = parts[0];
    leaf0.edx = parts[1];
    leaf0.ecx = parts[2];
    leaves_[{0, 0}] = leaf0;
    set(1, {signature, 0, 0, 0});
  }

  static FakeCpuid withoutCpuid() {
    FakeCpuid cpu("", 0);
    cpu.present_ = false;
    return cpu;
  }

  // Raises the maximum basic or extended leaf to cover `leaf`.
  FakeCpuid& set(std::uint32_t leaf, engine::CpuidRegisters registers, std::uint32_t subleaf = 0) {
    leaves_[{leaf, subleaf}] = registers;
    const std::uint32_t range = leaf & 0x80000000u;
    engine::CpuidRegisters& top = leaves_[{range, 0}];
    top.eax = std::max(top.eax, leaf);
    return *this;
  }

  // Leaf 1 keeps its signature.
  FakeCpuid& leaf1(std::uint32_t ebx, std::uint32_t ecx, std::uint32_t edx) {
    return set(1, {leaves_[{1, 0}].eax, ebx, ecx, edx});
  }

  FakeCpuid& maxExtended(std::uint32_t leaf) {
    leaves_[{0x80000000u, 0}].eax = leaf;
    return *this;
  }

  // The leaf 0x80000002..0x80000004 brand string, padded with NULs to 48 characters.
  FakeCpuid& brand(const std::string& text) {
    char bytes[48] = {};
    std::memcpy(bytes, text.data(), std::min<std::size_t>(text.size(), 48));
    for (std::uint32_t i = 0; i < 3; ++i) {
      std::uint32_t r[4];
      std::memcpy(r, bytes + 16 * i, 16);
      set(0x80000002u + i, {r[0], r[1], r[2], r[3]});
    }
    return *this;
  }

  bool present() const override { return present_; }

  engine::CpuidRegisters query(std::uint32_t leaf, std::uint32_t subleaf) const override {
    const auto found = leaves_.find({leaf, subleaf});
    return found == leaves_.end() ? engine::CpuidRegisters{} : found->second;
  }

 private:
  std::map<std::pair<std::uint32_t, std::uint32_t>, engine::CpuidRegisters> leaves_;
  bool present_ = true;
};

}  // namespace engine_test
