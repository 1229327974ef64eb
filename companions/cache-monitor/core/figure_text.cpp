#include "figure_text.h"

#include <cmath>
#include <cstdio>

namespace cachemonitor {
namespace {

std::string Printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string RateText(double bytesPerSecond) {
  if (std::fabs(bytesPerSecond) >= 1e9) return Printed("%.1f GB/s", bytesPerSecond / 1e9);
  return Printed("%.0f MB/s", bytesPerSecond / 1e6);
}

std::string ChangeText(double current, std::optional<double> previous) {
  if (!previous) return {};
  const double change = current - *previous;
  std::string text = (change < 0 ? "-" : "+") + RateText(std::fabs(change));
  if (*previous > 0) text += Printed(" (%+.1f%%)", change * 100 / *previous);
  return text;
}

std::string SizeText(std::uint64_t bytes) {
  const char* unit = "KB";
  double value = static_cast<double>(bytes) / 1024;
  if (bytes >= 1024 * 1024) {
    unit = "MB";
    value /= 1024;
  }
  const bool whole = value == std::floor(value);
  return Printed(whole ? "%.0f" : "%.1f", value) + " " + unit;
}

std::string MissRateText(std::optional<double> rate) {
  if (!rate) return "n/a";
  return Printed("%.1f%%", *rate * 100);
}

}  // namespace cachemonitor
