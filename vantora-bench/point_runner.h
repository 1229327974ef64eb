// One point of a run: every thread maps and touches its own buffer, then all threads run the
// kernel together, released at once, as often as the repeats ask.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "kernels/kernel_table.h"
#include "mapped_buffer.h"
#include "repeats.h"
#include "worker_pool.h"

namespace vbench {

struct PointRequest {
  KernelEntry kernel;
  std::uint64_t bytes;  // each thread's working set; copy splits it into source and destination
  PageSize pages;
  int repeat;
  double minSeconds;  // of every timed run
  // Measures the core clock; called on the first thread's processor just before and just after
  // every timed repeat, so a figure is held against the clock it ran at.
  std::function<double()> clockHz;
};

struct PointMeasurement {
  std::string error;  // memory that could not be had; nothing was measured
  // Per run: the longest thread's time, and the higher of the clocks before and after it; every
  // thread runs `count` passes (or loads).
  Repeats repeats;
  std::uint64_t largePageBytes = 0;  // of all threads' buffers
};

PointMeasurement measurePoint(WorkerPool& pool, const PointRequest& request);

}  // namespace vbench
