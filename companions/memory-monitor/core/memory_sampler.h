// One sample of the memory monitor: the memory figures, the paging rates since the previous sample
// and the processes holding the most resident memory.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "meminfo.h"
#include "process_status.h"
#include "vmstat.h"

namespace memorymonitor {

using Clock = std::function<std::chrono::nanoseconds()>;

std::chrono::nanoseconds SteadyNow();
std::uint64_t SystemPageSize();

inline constexpr std::size_t kTopProcessCount = 10;

struct MemorySample {
  std::optional<MemInfo> memory;  // nothing when meminfo could not be read or parsed
  VmRates rates;                  // none in the first sample
  TopProcesses top;
  std::string problem;  // what could not be read, for the window; empty when all was read
};

class MemorySampler {
 public:
  // Reads procRoot + "/meminfo", "/vmstat" and "/<pid>/status".
  explicit MemorySampler(std::string procRoot = "/proc", Clock clock = SteadyNow,
                         std::uint64_t pageSize = SystemPageSize());

  MemorySample Sample();

 private:
  std::string procRoot_;
  Clock clock_;
  std::uint64_t pageSize_;
  std::optional<VmCounters> lastCounters_;
  std::chrono::nanoseconds lastTime_{0};
};

}  // namespace memorymonitor
