#include "sizes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace vbench {

bool parseSize(const std::string& text, std::uint64_t& bytes) {
  // Digits before and after the point, read as one whole number of `tenths` tenths.
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0, divisor = 1;
  std::size_t at = 0;
  bool digits = false, point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    const unsigned digit = unsigned(c - '0');
    if (value > (kMax - digit) / 10 || (point && divisor > kMax / 10)) return false;
    value = value * 10 + digit;
    if (point) divisor *= 10;
    digits = true;
  }
  if (!digits) return false;
  std::string unit = text.substr(at);
  for (char& c : unit) c = char(std::toupper(static_cast<unsigned char>(c)));
  std::uint64_t scale = 0;
  if (unit.empty() || unit == "B") scale = 1;
  if (unit == "K" || unit == "KB") scale = kKilobyte;
  if (unit == "M" || unit == "MB") scale = kMegabyte;
  if (unit == "G" || unit == "GB") scale = kGigabyte;
  if (scale == 0 || value > kMax / scale || value * scale % divisor != 0) return false;
  bytes = value * scale / divisor;
  return true;
}

std::string sizeText(std::uint64_t bytes) {
  const struct {
    std::uint64_t scale;
    const char* unit;
  } units[] = {{kGigabyte, "GB"}, {kMegabyte, "MB"}, {kKilobyte, "KB"}, {1, "B"}};
  char text[32];
  for (const auto& unit : units) {
    // Tenths of the unit, when the size is a whole number of them.
    if (bytes >= unit.scale && (bytes * 10) % unit.scale == 0) {
      const std::uint64_t tenths = bytes * 10 / unit.scale;
      if (tenths % 10 == 0) {
        std::snprintf(text, sizeof text, "%llu %s", (unsigned long long)(tenths / 10), unit.unit);
      } else {
        std::snprintf(text, sizeof text, "%llu.%llu %s", (unsigned long long)(tenths / 10),
                      (unsigned long long)(tenths % 10), unit.unit);
      }
      return text;
    }
  }
  std::snprintf(text, sizeof text, "%llu B", (unsigned long long)bytes);
  return text;
}

std::vector<std::uint64_t> sweepSizes(std::uint64_t from, std::uint64_t to) {
  std::vector<std::uint64_t> sizes;
  if (from > to) return sizes;
  sizes.push_back(from);
  for (std::uint64_t power = 1; power <= to && power != 0; power *= 2) {
    for (const std::uint64_t size : {power, power + power / 2}) {
      if (size > from && size < to) sizes.push_back(size);
    }
  }
  if (to != from) sizes.push_back(to);
  std::sort(sizes.begin(), sizes.end());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  return sizes;
}

std::uint64_t defaultSweepEnd(const engine::CacheSizes& caches) {
  const std::uint64_t lastLevel = std::max({caches.level1Data, caches.level2, caches.level3});
  return std::min(std::max(4 * lastLevel, 256 * kMegabyte), kLargestSize);
}

}  // namespace vbench
