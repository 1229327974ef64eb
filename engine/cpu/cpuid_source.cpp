#include "cpu/cpuid_source.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace engine {

bool ProcessorCpuid::present() const {
#if defined(__x86_64__)
  return true;  // every x86-64 processor executes CPUID
#elif defined(__i386__)
  // The processor executes CPUID when the ID flag (bit 21 of EFLAGS) can be toggled.
  unsigned before, after;
  __asm__ volatile(
      "pushfl\n\tpopl %0\n\tmovl %0, %1\n\txorl $0x200000, %1\n\t"
      "pushl %1\n\tpopfl\n\tpushfl\n\tpopl %1\n\tpushl %0\n\tpopfl"
      : "=&r"(before), "=&r"(after)
      :
      : "cc");
  return ((before ^ after) & 0x200000) != 0;
#else
  return false;
#endif
}

CpuidRegisters ProcessorCpuid::query(std::uint32_t leaf, std::uint32_t subleaf) const {
  CpuidRegisters r;
#if defined(__i386__) || defined(__x86_64__)
  __cpuid_count(leaf, subleaf, r.eax, r.ebx, r.ecx, r.edx);
#else
  (void)leaf;
  (void)subleaf;
#endif
  return r;
}

CpuidReader::CpuidReader(const CpuidSource& source) : source_(source), present_(source.present()) {
  if (!present_) return;
  maxBasic_ = source_.query(0, 0).eax;
  const std::uint32_t extended = source_.query(0x80000000u, 0).eax;
  // Processors without extended leaves echo arbitrary data here; only a value in the extended
  // range counts as a maximum.
  maxExtended_ = (extended & 0x80000000u) != 0 ? extended : 0;
}

CpuidRegisters CpuidReader::read(std::uint32_t leaf, std::uint32_t subleaf) const {
  if (!present_) return {};
  const bool extended = (leaf & 0x80000000u) != 0;
  if (extended ? leaf > maxExtended_ : leaf > maxBasic_) return {};
  return source_.query(leaf, subleaf);
}

}  // namespace engine
