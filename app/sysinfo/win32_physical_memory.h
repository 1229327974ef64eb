#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "smbios_table.h"

namespace sysinfo {

// A memory device (a slot, filled or empty) as the management service describes it, with the
// properties the module inventory reads.
struct Win32_PhysicalMemory {
  std::string DeviceLocator;
  std::optional<std::uint64_t> Capacity;  // bytes; nothing for an empty slot or an unknown size
  std::optional<std::uint32_t> Speed;     // MHz; nothing when unknown
  std::string BankLabel;
};

// One instance per memory device (SMBIOS type 17), in table order: the device and bank locators,
// the size (in megabytes or kilobytes, or the extended size of large modules), the speed (or the
// extended speed). A structure too short for the first version of the layout, or whose strings
// are damaged, is left out.
std::vector<Win32_PhysicalMemory> Win32_PhysicalMemoryInstances(
    const std::vector<SmbiosStructure>& structures);

// The Win32_PhysicalMemory instances of the machine's tables (DmiTablesPath); none without tables.
std::vector<Win32_PhysicalMemory> QueryWin32_PhysicalMemory();

}  // namespace sysinfo
