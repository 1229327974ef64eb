#include <time.h>

#include "counter.h"

namespace engine {

std::uint64_t counterFrequency() {
  timespec resolution{};
  if (clock_getres(CLOCK_MONOTONIC, &resolution) != 0) return 0;
  if (resolution.tv_sec != 0 || resolution.tv_nsec > 1000) return 0;
  return 1000000000u;
}

std::uint64_t counterNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::uint64_t(now.tv_sec) * 1000000000u + std::uint64_t(now.tv_nsec);
}

}  // namespace engine
