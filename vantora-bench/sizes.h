// Working-set sizes: the option syntax, the sweep's points and the way sizes are shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cpu/cache_sizes.h"

namespace vbench {

constexpr std::uint64_t kKilobyte = 1024;
constexpr std::uint64_t kMegabyte = 1024 * kKilobyte;
constexpr std::uint64_t kGigabyte = 1024 * kMegabyte;
constexpr std::uint64_t kSmallestSize = kKilobyte;
constexpr std::uint64_t kLargestSize = kGigabyte;

// A number with an optional binary unit: "16K", "16KB", "1.5M", "1G" (any case), or bytes.
// False for anything else, for a value that is not a whole number of bytes, and for one that
// does not fit.
bool parseSize(const std::string& text, std::uint64_t& bytes);

// "1 KB", "1.5 KB", "48 KB", "2 MB", "1 GB": the largest unit that leaves at most one decimal.
std::string sizeText(std::uint64_t bytes);

// Powers of two and the midpoints between them (1.5 times a power of two) from `from` to `to`,
// both ends included whether on that grid or not.
std::vector<std::uint64_t> sweepSizes(std::uint64_t from, std::uint64_t to);

// Four times the last-level cache, at least 256 MB, at most the largest working set.
std::uint64_t defaultSweepEnd(const engine::CacheSizes& caches);

}  // namespace vbench
