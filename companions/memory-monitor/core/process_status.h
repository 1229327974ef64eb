// The resident memory of processes, from /proc/<pid>/status.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memorymonitor {

struct ProcessMemory {
  long pid = 0;
  std::string name;
  std::uint64_t residentBytes = 0;  // VmRSS
};

// Name, Pid and VmRSS from the text of a status file; nothing when one is missing or malformed
// (kernel threads have no VmRSS).
std::optional<ProcessMemory> ParseProcessStatus(std::string_view text);

struct TopProcesses {
  std::vector<ProcessMemory> processes;  // most resident memory first; equal ones by pid
  // Processes whose status could not be read. A status without resident memory (a kernel
  // thread) or a malformed one is left out without being counted.
  int unreadable = 0;
};

// The `count` processes under `procRoot` (its numeric folders) holding the most resident memory.
// A process whose status cannot be read (gone, or not ours to read) is skipped and counted.
TopProcesses ReadTopProcesses(const std::string& procRoot, std::size_t count);

}  // namespace memorymonitor
