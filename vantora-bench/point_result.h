// From the times of a point's runs to the figures the outputs show.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kernels/kernel_table.h"
#include "mapped_buffer.h"
#include "point.h"
#include "point_runner.h"

namespace vbench {

struct PeakCheck {
  double bytesPerCycle = 0;  // all threads' peak; 0: not known
  bool levelOne = false;     // the working set fits the level-1 data cache
};

// Bandwidth points: the bytes of all threads over the longest thread's time, per run; copy
// counts every byte read and every byte written. Latency points: nanoseconds per load, and
// cycles at the clock of the best run.
// A run above the peak at its own clock makes the point an error: such a figure is impossible,
// whatever produced it. Otherwise level-1 points other than ntwrite, which bypasses the caches,
// get the best run's percentage of the peak.
Point makePoint(const KernelEntry& kernel, std::uint64_t bytes, PageSize pages,
                const PointMeasurement& measurement, std::size_t threads, const PeakCheck& peak);

}  // namespace vbench
