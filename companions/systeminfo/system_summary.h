#pragma once

#include <string>
#include <vector>

#include "digit_grouping.h"

namespace systeminfo {

// Where the summary's facts are read; tests point these at their own files.
struct SummarySources {
  std::string osRelease = "/etc/os-release";
  std::string osReleaseFallback = "/usr/lib/os-release";
  std::string procFolder = "/proc";
  std::string dmiFolder = "/sys/class/dmi/id";
};

// The summary of this machine, one item per line as SummaryLine lays it out: host name, OS name
// and version, boot time, maker, model and type of the system, processor packages, BIOS version,
// time zone, physical memory and virtual memory (physical memory and swap) in megabytes of
// 1,048,576 bytes, swap areas. An item whose source cannot be read, or holds nothing useful, is
// left out. Dates use the C library's locale (LC_TIME), numbers `grouping`.
std::vector<std::string> SystemSummary(const SummarySources& sources,
                                       const DigitGrouping& grouping);

}  // namespace systeminfo
