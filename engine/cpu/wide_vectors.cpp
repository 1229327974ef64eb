#include "cpu/wide_vectors.h"

#include "cpu/processor_signature.h"

namespace engine {
namespace {

constexpr std::uint32_t kSse = 1u << 25;                       // leaf 1 EDX
constexpr std::uint32_t kOsXsave = 1u << 27, kAvx = 1u << 28;  // leaf 1 ECX
constexpr std::uint32_t kAvx2 = 1u << 5, kAvx512F = 1u << 16;  // leaf 7 EBX
// XCR0: the XMM and YMM halves, then the opmask registers and the two parts of the ZMM state.
constexpr std::uint64_t kYmmState = 0x6, kZmmState = 0xE6;

bool has(std::uint64_t value, std::uint64_t bits) { return (value & bits) == bits; }

}  // namespace

WideVectors detectWideVectors(const CpuidReader& cpuid, std::uint64_t xcr0) {
  WideVectors vectors;
  if (!cpuid.present()) return vectors;
  const std::uint32_t ecx = leaf1Ecx(cpuid);
  const std::uint32_t leaf7Ebx = cpuid.read(7, 0).ebx;
  const std::uint64_t osState = has(ecx, kOsXsave) ? xcr0 : 0;
  vectors.sse = has(cpuid.read(1).edx, kSse);
  vectors.avx2 = has(ecx, kAvx) && has(leaf7Ebx, kAvx2) && has(osState, kYmmState);
  vectors.avx512 = has(leaf7Ebx, kAvx512F) && has(osState, kZmmState);
  return vectors;
}

std::uint64_t processorXcr0() {
#if defined(__i386__) || defined(__x86_64__)
  const ProcessorCpuid processor;
  const CpuidReader cpuid(processor);
  if (!has(leaf1Ecx(cpuid), kOsXsave)) return 0;
  std::uint32_t low, high;
  asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (std::uint64_t(high) << 32) | low;
#else
  return 0;
#endif
}

}  // namespace engine
