// The cache sizes of the processor the monitor runs on.
#pragma once

#include "cache_level_sizes.h"
#include "cpu/cpuid_source.h"

namespace cachemonitor {

// The levels the deterministic cache leaves (leaf 4 or 0x8000001D) describe.
LevelSizes CpuidLevelSizes(const engine::CpuidReader& cpuid);

// This machine's sizes: its own CPUID, then its sysfs cache folder, then the defaults.
CacheLevelSizes MachineCacheSizes();

}  // namespace cachemonitor
