// What one core's level-1 data cache serves per cycle: the loads and stores of each class's width
// it completes per cycle. Times the width and the measured clock, that is the peak every figure
// is held against. Only cores listed here have a peak; elsewhere figures are shown without one.
#pragma once

#include "cpu/processor_signature.h"
#include "kernels/kernel_table.h"

namespace vbench {

struct CoreProfile {
  const char* name;
  // Per cycle, indexed by InstructionClass (int64, sse, avx2, avx512).
  double loads[4];
  double stores[4];
};

// The profile of the core `signature` names, or null for a core not listed.
const CoreProfile* findCoreProfile(const engine::ProcessorSignature& signature);

// One core's peak bytes per cycle for `operation` with `instructionClass`: loads times width for
// read, stores times width for write and ntwrite, and for copy, whose every load is matched by a
// store and both count, twice the width times the slower of the two. 0 for latency.
double peakBytesPerCycle(const CoreProfile& profile, InstructionClass instructionClass,
                         Operation operation);

}  // namespace vbench
