#include "memory_sampler.h"

#include <unistd.h>

#include "proc_file.h"

namespace memorymonitor {

std::chrono::nanoseconds SteadyNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

std::uint64_t SystemPageSize() {
  const long size = ::sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<std::uint64_t>(size) : 4096;
}

MemorySampler::MemorySampler(std::string procRoot, Clock clock, std::uint64_t pageSize)
    : procRoot_(std::move(procRoot)), clock_(std::move(clock)), pageSize_(pageSize) {}

MemorySample MemorySampler::Sample() {
  MemorySample sample;
  const std::string meminfoPath = procRoot_ + "/meminfo";
  const std::optional<std::string> meminfo = ReadProcFile(meminfoPath);
  if (!meminfo) {
    sample.problem = "Cannot read " + meminfoPath + ".";
  } else {
    sample.memory = ParseMeminfo(*meminfo);
    if (!sample.memory) sample.problem = meminfoPath + " lacks figures or holds malformed ones.";
  }

  const std::string vmstatPath = procRoot_ + "/vmstat";
  const std::optional<std::string> vmstat = ReadProcFile(vmstatPath);
  const std::chrono::nanoseconds now = clock_();
  if (vmstat) {
    const VmCounters counters = ParseVmstat(*vmstat);
    if (lastCounters_) {
      const double seconds = std::chrono::duration<double>(now - lastTime_).count();
      sample.rates = RatesBetween(*lastCounters_, counters, seconds, pageSize_);
    }
    lastCounters_ = counters;
    lastTime_ = now;
  } else {
    lastCounters_.reset();
    if (!sample.problem.empty()) sample.problem += ' ';
    sample.problem += "Cannot read " + vmstatPath + ".";
  }

  sample.top = ReadTopProcesses(procRoot_, kTopProcessCount);
  return sample;
}

}  // namespace memorymonitor
