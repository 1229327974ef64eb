// The vector register classes beyond MMX that a program may use: the processor must have the
// instructions (CPUID) and the operating system must save the registers' state on a task switch
// (XCR0, read with XGETBV), or the first such instruction faults or loses data.
#pragma once

#include <cstdint>

#include "cpu/cpuid_source.h"

namespace engine {

struct WideVectors {
  bool sse = false;     // 128-bit XMM loads and stores
  bool avx2 = false;    // 256-bit YMM
  bool avx512 = false;  // 512-bit ZMM (AVX-512 Foundation)
};

// `xcr0` is the state the operating system enables; only read when CPUID reports OSXSAVE.
WideVectors detectWideVectors(const CpuidReader& cpuid, std::uint64_t xcr0);

// XCR0 of the running processor; 0 when the operating system has not enabled XSAVE (OSXSAVE
// clear), where XGETBV would fault.
std::uint64_t processorXcr0();

}  // namespace engine
