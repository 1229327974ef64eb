// A block or memory benchmark run: its measurements, pass counts, credited volumes and lines.
#pragma once

#include <cstdint>

#include "benchmarks.h"
#include "output.h"
#include "run_settings.h"

namespace engine {

constexpr int kExitOk = 0;
constexpr int kExitError = 1;

// The volume of one pass in kilobytes: g x 1048576.
inline std::uint32_t passVolumeKilobytes(const RunSettings& settings) {
  return settings.passGigabytes * 1048576u;
}

// One line per block size, 1 KB doubling up to the array size, each size moving g gigabytes.
// Returns the exit code.
int runBlockBenchmark(const BlockBenchmark& benchmark, const RunSettings& settings,
                      std::uint64_t counterFrequency, Output& out);

// Copy, Scale, Add and Triad with their AVERAGE, once or in BatchRun mode. Returns the exit code.
int runMemoryBenchmark(const MemoryBenchmark& benchmark, const RunSettings& settings,
                       std::uint64_t counterFrequency, Output& out);

}  // namespace engine
