#include "process_status.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include "proc_file.h"
#include "proc_lines.h"

namespace memorymonitor {
namespace {

bool AllDigits(const std::string& name) {
  return !name.empty() &&
         std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<ProcessMemory> ParseProcessStatus(std::string_view text) {
  ProcessMemory process;
  bool hasName = false;
  bool hasPid = false;
  bool hasResident = false;
  bool malformed = false;
  ForEachKeyLine(text, ':', [&](std::string_view key, std::string_view rest) {
    if (key == "Name") {
      process.name = std::string(rest);
      hasName = true;
    } else if (key == "Pid") {
      const std::optional<std::uint64_t> pid = ParseCount(rest);
      if (!pid || *pid > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) {
        malformed = true;
        return;
      }
      process.pid = static_cast<long>(*pid);
      hasPid = true;
    } else if (key == "VmRSS") {
      constexpr std::string_view kUnit = " kB";
      std::optional<std::uint64_t> kilobytes;
      if (rest.size() > kUnit.size() && rest.substr(rest.size() - kUnit.size()) == kUnit) {
        kilobytes = ParseCount(rest.substr(0, rest.size() - kUnit.size()));
      }
      if (!kilobytes || *kilobytes > std::numeric_limits<std::uint64_t>::max() / 1024) {
        malformed = true;
        return;
      }
      process.residentBytes = *kilobytes * 1024;
      hasResident = true;
    }
  });
  if (malformed || !hasName || !hasPid || !hasResident) return std::nullopt;
  return process;
}

TopProcesses ReadTopProcesses(const std::string& procRoot, std::size_t count) {
  namespace fs = std::filesystem;
  TopProcesses top;
  std::error_code error;
  fs::directory_iterator entries(procRoot, error);
  if (error) return top;
  std::vector<ProcessMemory> all;
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    if (error) break;
    const std::string name = entries->path().filename().string();
    if (!AllDigits(name)) continue;
    const std::optional<std::string> text = ReadProcFile(entries->path().string() + "/status");
    std::optional<ProcessMemory> process;
    if (text) process = ParseProcessStatus(*text);
    if (!text) {
      ++top.unreadable;
    } else if (process) {
      all.push_back(std::move(*process));
    }
  }
  const auto order = [](const ProcessMemory& a, const ProcessMemory& b) {
    return a.residentBytes != b.residentBytes ? a.residentBytes > b.residentBytes : a.pid < b.pid;
  };
  const std::size_t kept = std::min(count, all.size());
  std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kept), all.end(), order);
  all.resize(kept);
  top.processes = std::move(all);
  return top;
}

}  // namespace memorymonitor
