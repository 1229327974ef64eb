#include "vmstat.h"

#include "proc_lines.h"

namespace memorymonitor {
namespace {

std::optional<double> Rate(std::optional<std::uint64_t> before, std::optional<std::uint64_t> after,
                           double seconds, double scale = 1) {
  if (!before || !after || *after < *before || !(seconds > 0)) return std::nullopt;
  return static_cast<double>(*after - *before) * scale / seconds;
}

}  // namespace

VmCounters ParseVmstat(std::string_view text) {
  VmCounters counters;
  ForEachKeyLine(text, ' ', [&](std::string_view key, std::string_view rest) {
    std::optional<std::uint64_t>* counter = nullptr;
    if (key == "pgfault") counter = &counters.pageFaults;
    if (key == "pgmajfault") counter = &counters.majorPageFaults;
    if (key == "pswpin") counter = &counters.swappedInPages;
    if (key == "pswpout") counter = &counters.swappedOutPages;
    if (counter != nullptr) *counter = ParseCount(rest);
  });
  return counters;
}

VmRates RatesBetween(const VmCounters& before, const VmCounters& after, double seconds,
                     std::uint64_t pageSize) {
  const auto page = static_cast<double>(pageSize);
  VmRates rates;
  rates.pageFaults = Rate(before.pageFaults, after.pageFaults, seconds);
  rates.majorPageFaults = Rate(before.majorPageFaults, after.majorPageFaults, seconds);
  rates.swapInBytes = Rate(before.swappedInPages, after.swappedInPages, seconds, page);
  rates.swapOutBytes = Rate(before.swappedOutPages, after.swappedOutPages, seconds, page);
  return rates;
}

}  // namespace memorymonitor
