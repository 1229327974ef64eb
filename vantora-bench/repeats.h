// How long each measurement runs and how often: enough work that the timer's resolution and the
// start of the threads do not matter, found by a calibration whose last run is the warm-up.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vbench {

struct RunTime {
  double seconds = 0;
  double clockHz = 0;  // the core clock around the run; 0 where not measured
};

struct Repeats {
  std::uint64_t count = 0;    // passes (or loads) of every run
  std::vector<RunTime> runs;  // one per repeat
};

// Times `count` passes (or loads); measures the core clock around them when `withClock`.
using TimedRun = std::function<RunTime(std::uint64_t count, bool withClock)>;

// Raises the count from `unit`, always a multiple of it, until one run takes at least
// `minSeconds`; that run is the warm-up. Then runs `repeat` times at that count, with the clock.
Repeats measureRepeats(const TimedRun& run, std::uint64_t unit, double minSeconds, int repeat);

}  // namespace vbench
