// One sample of the cache monitor: the four read rates and the miss rates of everything else that
// ran since the previous sample.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "miss_counters.h"
#include "read_sweep.h"

namespace cachemonitor {

struct CacheSample {
  std::array<std::optional<double>, kLevelCount> bytesPerSecond;  // per Level
  MissRates missRates;
};

class CacheSampler {
 public:
  CacheSampler(const WorkingSets& sets, std::unique_ptr<CounterBackend> counters,
               Clock clock = SteadyNow,
               std::chrono::nanoseconds sweepTarget = std::chrono::milliseconds(3));

  // Reads the miss rates since the end of the previous sample's sweeps, then sweeps the four
  // levels; the monitor's own sweeps are left out of the next miss rates.
  CacheSample Sample();

  const WorkingSets& sets() const { return sweeper_.sets(); }
  const MissRateMonitor& counters() const { return counters_; }

 private:
  ReadSweeper sweeper_;
  MissRateMonitor counters_;
};

}  // namespace cachemonitor
