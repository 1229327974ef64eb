#include "memory_text.h"

#include <cmath>
#include <cstdio>

namespace memorymonitor {
namespace {

std::string Printed(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Grouped(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

}  // namespace

std::string MemoryText(std::uint64_t bytes) {
  constexpr double kKiB = 1024.0;
  const auto value = static_cast<double>(bytes);
  if (bytes < 1024) return std::to_string(bytes) + " B";
  if (value < kKiB * kKiB) return Printed("%.0f KiB", value / kKiB);
  if (value < kKiB * kKiB * kKiB) return Printed("%.1f MiB", value / (kKiB * kKiB));
  return Printed("%.2f GiB", value / (kKiB * kKiB * kKiB));
}

std::string ShareText(std::uint64_t part, std::uint64_t whole) {
  if (whole == 0) return {};
  return Printed("(%.1f%%)", static_cast<double>(part) * 100 / static_cast<double>(whole));
}

std::string EventRateText(std::optional<double> perSecond) {
  if (!perSecond) return "-";
  return Grouped(static_cast<std::uint64_t>(std::llround(*perSecond))) + "/s";
}

std::string TransferRateText(std::optional<double> bytesPerSecond) {
  if (!bytesPerSecond) return "-";
  const double rate = *bytesPerSecond;
  if (rate < 1024) return Printed("%.0f B/s", rate);
  if (rate < 1024.0 * 1024) return Printed("%.1f KiB/s", rate / 1024);
  return Printed("%.1f MiB/s", rate / (1024.0 * 1024));
}

}  // namespace memorymonitor
