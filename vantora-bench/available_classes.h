// The instruction classes this processor and operating system allow.
#pragma once

#include <cstdint>

#include "cpu/cpuid_source.h"
#include "kernels/kernel_table.h"

namespace vbench {

struct ClassSet {
  bool int64 = false;
  bool sse = false;
  bool avx2 = false;
  bool avx512 = false;
};

// Int64 needs nothing beyond x86-64; the vector classes need the instructions (CPUID) and the
// operating system's saving of their registers (`xcr0`).
ClassSet availableClasses(const engine::CpuidReader& cpuid, std::uint64_t xcr0);
// The classes of the processor running the program.
ClassSet machineClasses();

bool classAvailable(InstructionClass instructionClass, const ClassSet& classes);

}  // namespace vbench
