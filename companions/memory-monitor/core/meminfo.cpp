#include "meminfo.h"

#include <limits>
#include <map>
#include <string>

#include "proc_lines.h"

namespace memorymonitor {
namespace {

std::uint64_t Less(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : 0; }

// "12345 kB" in bytes.
std::optional<std::uint64_t> Kilobytes(std::string_view text) {
  constexpr std::string_view kUnit = " kB";
  if (text.size() <= kUnit.size() || text.substr(text.size() - kUnit.size()) != kUnit) {
    return std::nullopt;
  }
  text.remove_suffix(kUnit.size());
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const std::optional<std::uint64_t> value = ParseCount(text);
  if (!value || *value > std::numeric_limits<std::uint64_t>::max() / 1024) return std::nullopt;
  return *value * 1024;
}

}  // namespace

std::uint64_t MemInfo::Used() const { return Less(total, available); }
std::uint64_t MemInfo::Cache() const { return buffers + cached + reclaimableSlab; }
std::uint64_t MemInfo::SwapUsed() const { return Less(swapTotal, swapFree); }

std::optional<MemInfo> ParseMeminfo(std::string_view text) {
  MemInfo info;
  const std::map<std::string_view, std::uint64_t*> wanted = {
      {"MemTotal", &info.total},         {"MemFree", &info.free},
      {"MemAvailable", &info.available}, {"Buffers", &info.buffers},
      {"Cached", &info.cached},          {"SReclaimable", &info.reclaimableSlab},
      {"SwapTotal", &info.swapTotal},    {"SwapFree", &info.swapFree}};
  std::map<std::string_view, bool> found;
  bool malformed = false;
  ForEachKeyLine(text, ':', [&](std::string_view key, std::string_view rest) {
    const auto field = wanted.find(key);
    if (field == wanted.end()) return;
    const std::optional<std::uint64_t> bytes = Kilobytes(rest);
    if (!bytes) {
      malformed = true;
      return;
    }
    *field->second = *bytes;
    found[key] = true;
  });
  if (malformed || !found["MemTotal"] || !found["MemFree"]) return std::nullopt;
  if (!found["MemAvailable"]) {
    info.available = info.free + info.buffers + info.cached;
    info.availableEstimated = true;
  }
  return info;
}

}  // namespace memorymonitor
