// Every read of CPUID goes through this interface, so identification can run on the processor's
// own instruction or on a recorded register dump.
#pragma once

#include <cstdint>

namespace engine {

struct CpuidRegisters {
  std::uint32_t eax = 0;
  std::uint32_t ebx = 0;
  std::uint32_t ecx = 0;
  std::uint32_t edx = 0;
};

class CpuidSource {
 public:
  virtual ~CpuidSource() = default;
  // Whether the processor executes CPUID at all.
  virtual bool present() const = 0;
  // The registers CPUID returns for `leaf` with ECX = `subleaf`.
  virtual CpuidRegisters query(std::uint32_t leaf, std::uint32_t subleaf) const = 0;
};

// CPUID as the processor running the engine answers it.
class ProcessorCpuid final : public CpuidSource {
 public:
  bool present() const override;
  CpuidRegisters query(std::uint32_t leaf, std::uint32_t subleaf) const override;
};

// Reads a leaf only when the processor reports it: a basic or extended leaf above the maximum of
// leaf 0 or leaf 0x80000000 reads as zeros, never as whatever the processor returns for it.
class CpuidReader {
 public:
  explicit CpuidReader(const CpuidSource& source);

  bool present() const { return present_; }
  CpuidRegisters read(std::uint32_t leaf, std::uint32_t subleaf = 0) const;
  std::uint32_t maxBasicLeaf() const { return maxBasic_; }
  std::uint32_t maxExtendedLeaf() const { return maxExtended_; }

 private:
  const CpuidSource& source_;
  bool present_;
  std::uint32_t maxBasic_ = 0;
  std::uint32_t maxExtended_ = 0;
};

}  // namespace engine
