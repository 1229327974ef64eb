#include "repeats.h"

#include <algorithm>
#include <cmath>

namespace vbench {

Repeats measureRepeats(const TimedRun& run, std::uint64_t unit, double minSeconds, int repeat) {
  Repeats repeats;
  repeats.count = unit;
  for (;;) {
    const double seconds = run(repeats.count, false).seconds;
    if (seconds >= minSeconds) break;
    // Aim a little past the goal so the next run usually reaches it; grow at least twofold and
    // at most a thousandfold, as a run too short to time says little about its rate.
    const double factor =
        seconds > 0 ? std::clamp(1.25 * minSeconds / seconds, 2.0, 1000.0) : 1000.0;
    const std::uint64_t units = std::uint64_t(std::ceil(double(repeats.count / unit) * factor));
    repeats.count = units * unit;
  }
  for (int i = 0; i < repeat; ++i) repeats.runs.push_back(run(repeats.count, true));
  return repeats;
}

}  // namespace vbench
