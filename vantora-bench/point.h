// One measured point as the outputs show it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "available_classes.h"
#include "core_profile.h"
#include "cpu/cache_sizes.h"
#include "kernels/kernel_table.h"
#include "statistics.h"

namespace vbench {

struct Point {
  InstructionClass instructionClass = InstructionClass::Int64;
  Operation operation = Operation::Read;
  std::uint64_t bytes = 0;  // each thread's working set
  std::size_t threads = 1;
  const char* pages = "4K";           // what the buffers got: "4K", "2M", or "mixed"
  Summary bytesPerSecond;             // all threads together; bandwidth points
  Summary nsPerLoad;                  // latency points
  double cyclesPerLoad = 0;           // of the best
  std::optional<double> peakPercent;  // level-1 bandwidth points on a core with a known peak
  double clockHz = 0;  // around the best run, for its peak percentage or cycles; 0: not used
  std::string error;   // set: the figure is impossible and is not a result
};

// What the outputs say about the machine and the run before the points.
struct RunInfo {
  std::string processor;
  double clockHz = 0;  // measured at start
  engine::CacheSizes caches;
  const CoreProfile* profile = nullptr;  // null: no known peak
  ClassSet classes;
  std::vector<int> cpus;  // the threads' processors
  int repeat = 0;
};

}  // namespace vbench
