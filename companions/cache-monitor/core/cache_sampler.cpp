#include "cache_sampler.h"

namespace cachemonitor {

CacheSampler::CacheSampler(const WorkingSets& sets, std::unique_ptr<CounterBackend> counters,
                           Clock clock, std::chrono::nanoseconds sweepTarget)
    : sweeper_(sets, std::move(clock), sweepTarget), counters_(std::move(counters)) {}

CacheSample CacheSampler::Sample() {
  CacheSample sample;
  sample.missRates = counters_.Sample();
  for (const Level level : {kLevel1, kLevel2, kLevel3, kMemory}) {
    sample.bytesPerSecond[level] = BytesPerSecond(sweeper_.Sweep(level));
  }
  counters_.Restart();
  return sample;
}

}  // namespace cachemonitor
