// The texts the cache monitor shows for its figures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cachemonitor {

// A read rate in decimal units: "48.2 GB/s", "850 MB/s".
std::string RateText(double bytesPerSecond);

// The change from the previous figure: "+1.2 GB/s (+2.6%)", "-850 MB/s (-9.0%)"; empty without a
// previous figure.
std::string ChangeText(double current, std::optional<double> previous);

// A cache or working-set size in binary units: "48 KB", "1 MB", "1.5 MB".
std::string SizeText(std::uint64_t bytes);

// A miss rate (a fraction) as a percentage, "2.3%"; "n/a" without one.
std::string MissRateText(std::optional<double> rate);

}  // namespace cachemonitor
