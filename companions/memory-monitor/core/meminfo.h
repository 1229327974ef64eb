// The system's memory figures from /proc/meminfo.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace memorymonitor {

// Bytes.
struct MemInfo {
  std::uint64_t total = 0;
  std::uint64_t free = 0;
  std::uint64_t available = 0;
  std::uint64_t buffers = 0;
  std::uint64_t cached = 0;
  std::uint64_t reclaimableSlab = 0;
  std::uint64_t swapTotal = 0;
  std::uint64_t swapFree = 0;
  // Kernels before 3.14 do not report MemAvailable; it is then estimated as free memory plus
  // buffers and page cache.
  bool availableEstimated = false;

  // In use by programs and the kernel: everything not available.
  std::uint64_t Used() const;
  // Buffers, page cache and reclaimable kernel memory, as free(1) counts "buff/cache".
  std::uint64_t Cache() const;
  std::uint64_t SwapUsed() const;
};

// The figures from the text of /proc/meminfo ("Key:   value kB" lines). Lines it does not need,
// and lines without a key, are passed over; nothing when MemTotal or MemFree is missing or any
// figure it needs is malformed (not a whole number of kB, or too large).
std::optional<MemInfo> ParseMeminfo(std::string_view text);

}  // namespace memorymonitor
