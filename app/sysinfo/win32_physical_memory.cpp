#include "win32_physical_memory.h"

#include "dmi_tables.h"

namespace sysinfo {
namespace {

constexpr std::uint8_t kMemoryDevice = 17;
constexpr std::size_t kFirstLayoutLength = 0x15;
constexpr std::size_t kSize = 0x0C;
constexpr std::size_t kDeviceLocator = 0x10;
constexpr std::size_t kBankLocator = 0x11;
constexpr std::size_t kSpeed = 0x15;
constexpr std::size_t kExtendedSize = 0x1C;
constexpr std::size_t kExtendedSpeed = 0x54;

constexpr std::uint16_t kNoDevice = 0;
constexpr std::uint16_t kUnknownSize = 0xFFFF;
constexpr std::uint16_t kSizeInExtendedField = 0x7FFF;
constexpr std::uint16_t kSizeInKilobytes = 0x8000;
constexpr std::uint16_t kSpeedInExtendedField = 0xFFFF;
constexpr std::uint64_t kMegabyte = 1024 * 1024;

std::optional<std::uint64_t> Capacity(const SmbiosStructure& device) {
  const std::uint16_t size = device.Word(kSize).value_or(kNoDevice);
  if (size == kNoDevice || size == kUnknownSize) {
    return std::nullopt;
  }
  if (size == kSizeInExtendedField) {
    // Tables older than the extended field meant 32,767 MB by this value.
    if (const std::optional<std::uint32_t> extended = device.Dword(kExtendedSize)) {
      const std::uint64_t megabytes = *extended & 0x7FFFFFFF;
      return megabytes != 0 ? std::optional<std::uint64_t>(megabytes * kMegabyte) : std::nullopt;
    }
  }
  if (size & kSizeInKilobytes) {
    return std::uint64_t{size & 0x7FFFu} * 1024;
  }
  return size * kMegabyte;
}

std::optional<std::uint32_t> Speed(const SmbiosStructure& device) {
  const std::uint16_t speed = device.Word(kSpeed).value_or(0);
  if (speed == kSpeedInExtendedField) {
    const std::uint32_t extended = device.Dword(kExtendedSpeed).value_or(0) & 0x7FFFFFFF;
    return extended != 0 ? std::optional<std::uint32_t>(extended) : std::nullopt;
  }
  return speed != 0 ? std::optional<std::uint32_t>(speed) : std::nullopt;
}

}  // namespace

std::vector<Win32_PhysicalMemory> Win32_PhysicalMemoryInstances(
    const std::vector<SmbiosStructure>& structures) {
  std::vector<Win32_PhysicalMemory> instances;
  for (const SmbiosStructure& structure : structures) {
    if (structure.type != kMemoryDevice || structure.formatted.size() < kFirstLayoutLength) {
      continue;
    }
    const std::optional<std::string> device = structure.String(kDeviceLocator);
    const std::optional<std::string> bank = structure.String(kBankLocator);
    if (!device || !bank) {
      continue;
    }
    instances.push_back({*device, Capacity(structure), Speed(structure), *bank});
  }
  return instances;
}

std::vector<Win32_PhysicalMemory> QueryWin32_PhysicalMemory() {
  return Win32_PhysicalMemoryInstances(ReadDmiTables());
}

}  // namespace sysinfo
