#include "cpuid_level_sizes.h"

#include "cpu/cache_sizes.h"

namespace cachemonitor {

LevelSizes CpuidLevelSizes(const engine::CpuidReader& cpuid) {
  const engine::CacheSizes sizes = engine::deterministicCacheSizes(cpuid);
  return {sizes.level1Data, sizes.level2, sizes.level3};
}

CacheLevelSizes MachineCacheSizes() {
  const engine::ProcessorCpuid processor;
  const engine::CpuidReader cpuid(processor);
  return ChooseCacheSizes(CpuidLevelSizes(cpuid), ReadSysfsCacheSizes(kSysfsCacheFolder));
}

}  // namespace cachemonitor
