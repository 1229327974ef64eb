// How many bytes each of the four read sweeps covers.
#pragma once

#include <array>
#include <cstddef>

#include "cache_level_sizes.h"

namespace cachemonitor {

enum Level { kLevel1 = 0, kLevel2 = 1, kLevel3 = 2, kMemory = 3 };
inline constexpr std::size_t kLevelCount = 4;

// The memory sweep reads a buffer evicted from every cache level just before, so it reads from
// memory without a buffer larger than the last-level cache: the monitor stays small.
inline constexpr std::size_t kMemoryWorkingSet = 8 * 1024 * 1024;

// Bytes per level, each a multiple of 4 KB (at least one page). A cache level's working set fills
// half of that cache, leaving room for the rest of the program and for associativity, where that
// is at least twice the level below; otherwise it lies midway between the two sizes. The level-3
// set stays within four times level 2 and kMemoryWorkingSet, so it is served by level 3 on large
// shared caches without making the monitor large.
using WorkingSets = std::array<std::size_t, kLevelCount>;

WorkingSets WorkingSetsFor(const LevelSizes& sizes);

}  // namespace cachemonitor
