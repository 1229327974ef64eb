#pragma once

#include <string>
#include <vector>

#include "smbios_table.h"

namespace sysinfo {

// The machine's SMBIOS tables as the kernel exports them; readable by the administrator only on
// most systems, and absent on many virtual machines.
constexpr char kDmiTablesPath[] = "/sys/firmware/dmi/tables/DMI";

// The table file read: the environment's VANTORA_DMI_TABLES (a saved table), else kDmiTablesPath.
std::string DmiTablesPath();

// The structures of that file; none when it is missing or cannot be read.
std::vector<SmbiosStructure> ReadDmiTables();

}  // namespace sysinfo
