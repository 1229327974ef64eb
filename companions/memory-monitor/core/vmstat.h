// The paging counters of /proc/vmstat and their rates.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace memorymonitor {

// Counts since boot; nothing where the text lacks the counter or holds a malformed count.
struct VmCounters {
  std::optional<std::uint64_t> pageFaults;       // pgfault
  std::optional<std::uint64_t> majorPageFaults;  // pgmajfault
  std::optional<std::uint64_t> swappedInPages;   // pswpin
  std::optional<std::uint64_t> swappedOutPages;  // pswpout
};

// The counters from the text of /proc/vmstat ("name count" lines).
VmCounters ParseVmstat(std::string_view text);

// Per second; nothing where either count is missing, no time passed, or the counter went back.
struct VmRates {
  std::optional<double> pageFaults;
  std::optional<double> majorPageFaults;
  std::optional<double> swapInBytes;
  std::optional<double> swapOutBytes;
};

VmRates RatesBetween(const VmCounters& before, const VmCounters& after, double seconds,
                     std::uint64_t pageSize);

}  // namespace memorymonitor
