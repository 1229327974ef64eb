// The texts the memory monitor shows for its figures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace memorymonitor {

// An amount of memory in binary units: "512 KiB", "734.2 MiB", "23.54 GiB", "0 B".
std::string MemoryText(std::uint64_t bytes);

// `part` as a percentage of `whole`, "(12.3%)"; empty when `whole` is 0.
std::string ShareText(std::uint64_t part, std::uint64_t whole);

// An event rate with digit grouping, "1,234/s"; "-" without one.
std::string EventRateText(std::optional<double> perSecond);

// A transfer rate, "0 B/s", "48.0 KiB/s", "1.2 MiB/s"; "-" without one.
std::string TransferRateText(std::optional<double> bytesPerSecond);

}  // namespace memorymonitor
