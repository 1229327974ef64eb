#include "working_sets.h"

#include <algorithm>
#include <cstdint>

namespace cachemonitor {
namespace {

constexpr std::uint64_t kPage = 4096;

std::size_t PageMultiple(std::uint64_t bytes) {
  return static_cast<std::size_t>(std::max(kPage, bytes / kPage * kPage));
}

// Half the cache where that is well above the level below; else midway between the two.
std::uint64_t WithinLevel(std::uint64_t below, std::uint64_t size) {
  return size >= 4 * below ? size / 2 : (below + size) / 2;
}

}  // namespace

WorkingSets WorkingSetsFor(const LevelSizes& sizes) {
  WorkingSets sets{};
  sets[kLevel1] = PageMultiple(sizes.level1Data / 2);
  sets[kLevel2] = PageMultiple(WithinLevel(sizes.level1Data, sizes.level2));
  const std::uint64_t level3 = std::min<std::uint64_t>(
      {WithinLevel(sizes.level2, sizes.level3), 4 * sizes.level2, kMemoryWorkingSet});
  sets[kLevel3] = std::max(PageMultiple(level3), sets[kLevel2]);
  sets[kMemory] = kMemoryWorkingSet;
  return sets;
}

}  // namespace cachemonitor
