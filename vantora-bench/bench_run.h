// The program's main sequence: read the options, describe the machine, measure every point and
// write them. Everything it takes from the machine comes through the environment, so tests can
// run it in-process with a processor and a clock of their choosing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cpu/cpuid_source.h"

namespace vbench {

struct BenchEnvironment {
  std::FILE* out;
  std::FILE* err;
  bool progress;  // standard error is a terminal
  const engine::CpuidSource* cpuid;
  std::uint64_t xcr0;
  std::vector<int> cpus;            // one per core, that threads may run on
  std::uint64_t availableMemory;    // 0: the system does not say
  std::function<double()> clockHz;  // called on the first thread's processor
  double minSeconds;                // of every timed run
};

// The environment of the running process.
BenchEnvironment processEnvironment(const engine::CpuidSource& cpuid);

// Returns the exit code: 0 done, 1 a figure above the core's peak, 2 bad options, a class not on
// offer, or memory that cannot be had.
int runBench(const std::vector<std::string>& args, const BenchEnvironment& env);

}  // namespace vbench
