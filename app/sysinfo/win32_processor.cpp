#include "win32_processor.h"

#include <charconv>
#include <cstdint>

#include "dmi_tables.h"
#include "whole_file.h"

namespace sysinfo {
namespace {

constexpr std::uint8_t kProcessorInformation = 4;
constexpr std::size_t kSocketDesignation = 0x04;
constexpr std::size_t kProcessorVersion = 0x10;
constexpr std::size_t kMaxSpeed = 0x14;
constexpr std::size_t kStatus = 0x18;
constexpr std::uint8_t kSocketPopulated = 0x40;

std::string Trimmed(std::string_view text) {
  const char* const kSpace = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) {
    return {};
  }
  return std::string(text.substr(first, text.find_last_not_of(kSpace) - first + 1));
}

std::string FileText(const std::string& path) {
  platform::FileRead file = platform::ReadWholeFile(path);
  return file.status == platform::FileRead::Status::Ok ? std::move(file.content) : std::string();
}

}  // namespace

std::vector<Win32_Processor> Win32_ProcessorInstances(
    const std::vector<SmbiosStructure>& structures, const ProcessorFallbacks& fallbacks) {
  std::vector<Win32_Processor> instances;
  for (const SmbiosStructure& structure : structures) {
    if (structure.type != kProcessorInformation) {
      continue;
    }
    // Tables list every socket of the board; an empty one holds no processor.
    const std::optional<std::uint8_t> status = structure.Byte(kStatus);
    if (status && (*status & kSocketPopulated) == 0) {
      continue;
    }
    const std::optional<std::string> socket = structure.String(kSocketDesignation);
    const std::optional<std::string> version = structure.String(kProcessorVersion);
    if (!socket || !version) {
      continue;
    }
    Win32_Processor processor;
    processor.Name = Trimmed(*version);
    if (processor.Name.empty()) {
      processor.Name = fallbacks.name;
    }
    const std::uint16_t maxSpeed = structure.Word(kMaxSpeed).value_or(0);
    processor.MaxClockSpeed =
        maxSpeed != 0 ? std::optional<std::uint32_t>(maxSpeed) : fallbacks.maxClockSpeed;
    processor.SocketDesignation = Trimmed(*socket);
    instances.push_back(std::move(processor));
  }
  return instances;
}

std::string CpuInfoModelName(std::string_view cpuinfo) {
  while (!cpuinfo.empty()) {
    const std::size_t end = cpuinfo.find('\n');
    const std::string_view line = cpuinfo.substr(0, end);
    cpuinfo.remove_prefix(end == std::string_view::npos ? cpuinfo.size() : end + 1);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && Trimmed(line.substr(0, colon)) == "model name") {
      return Trimmed(line.substr(colon + 1));
    }
  }
  return {};
}

std::optional<std::uint32_t> CpufreqMegahertz(std::string_view kilohertz) {
  const std::string text = Trimmed(kilohertz);
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const std::uint64_t megahertz = value / 1000 + (value % 1000 >= 500 ? 1 : 0);
  if (error != std::errc() || end != text.data() + text.size() || megahertz == 0 ||
      megahertz > UINT32_MAX) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(megahertz);
}

ProcessorFallbacks SystemProcessorFallbacks() {
  ProcessorFallbacks fallbacks;
  fallbacks.name = CpuInfoModelName(FileText("/proc/cpuinfo"));
  fallbacks.maxClockSpeed =
      CpufreqMegahertz(FileText("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"));
  return fallbacks;
}

std::vector<Win32_Processor> QueryWin32_Processor() {
  const ProcessorFallbacks fallbacks = SystemProcessorFallbacks();
  std::vector<Win32_Processor> instances = Win32_ProcessorInstances(ReadDmiTables(), fallbacks);
  // Most users cannot read the tables, and virtual machines have none: the processor the kernel
  // names is still the one every result was measured on.
  if (instances.empty() && !fallbacks.name.empty()) {
    instances.push_back({fallbacks.name, fallbacks.maxClockSpeed, std::string()});
  }
  return instances;
}

}  // namespace sysinfo
