#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "smbios_table.h"

namespace sysinfo {

// A processor as the management service describes it, with the properties the summary reads.
struct Win32_Processor {
  std::string Name;
  std::optional<std::uint32_t> MaxClockSpeed;  // MHz; nothing when unknown
  std::string SocketDesignation;
};

// What the kernel knows of the processor, for what the firmware's tables leave out.
struct ProcessorFallbacks {
  std::string name;                            // the "model name" of /proc/cpuinfo
  std::optional<std::uint32_t> maxClockSpeed;  // the cpufreq maximum, MHz
};

// One instance per populated processor socket (SMBIOS type 4), in table order. The name is the
// processor version string, the clock the maximum speed; where the table has none, the
// fallbacks'. A structure whose strings are damaged is left out.
std::vector<Win32_Processor> Win32_ProcessorInstances(
    const std::vector<SmbiosStructure>& structures, const ProcessorFallbacks& fallbacks);

// The "model name" of the first processor in the text of /proc/cpuinfo, trimmed; empty if none.
std::string CpuInfoModelName(std::string_view cpuinfo);

// A cpufreq frequency file's kilohertz, in whole megahertz; nothing for no number or 0.
std::optional<std::uint32_t> CpufreqMegahertz(std::string_view kilohertz);

// The fallbacks of this machine: /proc/cpuinfo and the first processor's cpuinfo_max_freq.
ProcessorFallbacks SystemProcessorFallbacks();

// The Win32_Processor instances of the machine's tables (DmiTablesPath). Without a processor in
// readable tables, one instance of the kernel's processor (name and clock, no socket) when it
// names one.
std::vector<Win32_Processor> QueryWin32_Processor();

}  // namespace sysinfo
