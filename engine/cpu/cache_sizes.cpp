#include "cpu/cache_sizes.h"

#include "cpu/cpu_vendor.h"

namespace engine {
namespace {

// A processor lists a handful of caches; the bound keeps a malformed answer that never reports
// the end of the list from running on.
constexpr std::uint32_t kMaxSubleaves = 16;

constexpr unsigned kNoMoreCaches = 0;
constexpr unsigned kDataCache = 1;
constexpr unsigned kUnifiedCache = 3;

std::uint32_t field(std::uint32_t value, unsigned low, unsigned bits) {
  return (value >> low) & ((1u << bits) - 1);
}

// Both leaves share the layout: EAX type (bits 4-0) and level (7-5); EBX line size (11-0),
// partitions (21-12) and ways (31-22); ECX sets; every count stored minus one.
std::uint64_t sizeOf(const CpuidRegisters& cache) {
  return std::uint64_t(field(cache.ebx, 22, 10) + 1) * (field(cache.ebx, 12, 10) + 1) *
         (field(cache.ebx, 0, 12) + 1) * (std::uint64_t(cache.ecx) + 1);
}

}  // namespace

CacheSizes deterministicCacheSizes(const CpuidReader& cpuid) {
  CacheSizes sizes;
  if (!cpuid.present()) return sizes;
  // AMD leaves leaf 4 reserved. Its topology extensions flag (0x80000001 ECX bit 22) is not
  // asked: hypervisors clear it while passing the leaf through, and a processor without the leaf
  // reports a lower maximum, which reads as no caches.
  const bool amd = recognizeVendor(cpuid.read(0).ecx) == Vendor::Amd;
  const std::uint32_t leaf = amd ? 0x8000001Du : 4u;
  for (std::uint32_t subleaf = 0; subleaf < kMaxSubleaves; ++subleaf) {
    const CpuidRegisters cache = cpuid.read(leaf, subleaf);
    const unsigned type = field(cache.eax, 0, 5);
    if (type == kNoMoreCaches) break;
    if (type != kDataCache && type != kUnifiedCache) continue;
    switch (field(cache.eax, 5, 3)) {
      case 1:
        sizes.level1Data = sizeOf(cache);
        break;
      case 2:
        sizes.level2 = sizeOf(cache);
        break;
      case 3:
        sizes.level3 = sizeOf(cache);
        break;
      default:
        break;
    }
  }
  return sizes;
}

}  // namespace engine
