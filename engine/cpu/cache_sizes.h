// The data cache sizes the deterministic cache parameter leaves describe, for sizing working sets
// to the cache levels.
#pragma once

#include <cstdint>

#include "cpu/cpuid_source.h"

namespace engine {

// Data and unified cache sizes in bytes from the deterministic cache parameter leaves: leaf 4
// (Intel) or leaf 0x8000001D (AMD); 0 for a level the processor does not describe there.
struct CacheSizes {
  std::uint64_t level1Data = 0;
  std::uint64_t level2 = 0;
  std::uint64_t level3 = 0;
};

CacheSizes deterministicCacheSizes(const CpuidReader& cpuid);

}  // namespace engine
