// The sizes of the three cache levels the monitor sizes its working sets to, and where each came
// from: the processor's deterministic cache leaves, else the kernel's sysfs description of cpu0's
// caches, else a default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cachemonitor {

// Bytes per level; 0 where a source does not describe that level.
struct LevelSizes {
  std::uint64_t level1Data = 0;
  std::uint64_t level2 = 0;
  std::uint64_t level3 = 0;
};

enum class SizeSource { kCpuid, kSysfs, kDefault };

struct CacheLevelSizes {
  LevelSizes bytes;
  SizeSource level1DataSource = SizeSource::kDefault;
  SizeSource level2Source = SizeSource::kDefault;
  SizeSource level3Source = SizeSource::kDefault;
};

inline constexpr LevelSizes kDefaultLevelSizes{32 * 1024, 1024 * 1024, 8 * 1024 * 1024};
inline constexpr char kSysfsCacheFolder[] = "/sys/devices/system/cpu/cpu0/cache";

// A sysfs cache size such as "48K", "1024K", "8M" or "65536" (bytes), surrounding blanks and a
// final line break allowed; nothing for any other text, zero, or a size that overflows.
std::optional<std::uint64_t> ParseCacheSizeText(std::string_view text);

// The data and unified caches described under `folder` (one "index<N>" folder per cache, holding
// "level", "type" and "size"). An index folder that cannot be read or holds malformed text is
// skipped; a missing folder describes nothing.
LevelSizes ReadSysfsCacheSizes(const std::string& folder);

// Each level from the first source that describes it: `cpuid`, then `sysfs`, then the default.
CacheLevelSizes ChooseCacheSizes(const LevelSizes& cpuid, const LevelSizes& sysfs);

// "CPUID", "sysfs" or "default".
const char* SizeSourceName(SizeSource source);

}  // namespace cachemonitor
