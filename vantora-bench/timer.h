// Nanosecond timing of the measured runs.
#pragma once

#include <chrono>

namespace vbench {

// Started when made; reads the seconds since then. The clock is monotonic, so a run never
// measures negative or jumps with the wall clock.
class Stopwatch {
 public:
  Stopwatch() : start_(Clock::now()) {}
  double seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

 private:
  using Clock = std::chrono::steady_clock;
  static_assert(std::ratio_less_equal<Clock::period, std::nano>::value,
                "the steady clock counts nanoseconds or finer");
  Clock::time_point start_;
};

}  // namespace vbench
