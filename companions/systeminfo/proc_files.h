#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace systeminfo {

// Readers of the kernel's text files under /proc. Each takes the file's text and returns nothing
// when the item is not there.

// A "Key:   value kB" line of /proc/meminfo, in kilobytes (1,024 bytes).
std::optional<std::uint64_t> MemInfoKilobytes(std::string_view meminfo, std::string_view key);

// One name per physical processor package of /proc/cpuinfo, in the order the packages first
// appear: the "model name" of the package's first logical processor ("" when it has none).
// Processors without a "physical id" make up one package together.
std::vector<std::string> ProcessorPackageNames(std::string_view cpuinfo);

// The boot time ("btime") of /proc/stat, in seconds since the epoch.
std::optional<std::int64_t> BootTime(std::string_view stat);

// The swap areas listed in /proc/swaps.
std::vector<std::string> SwapAreas(std::string_view swaps);

}  // namespace systeminfo
