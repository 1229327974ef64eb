// The engine's main sequence: parse the switches, identify the processor, run one benchmark or
// print the processor report, and return the exit code.
#pragma once

#include <cstdint>
#include <cstdio>

#include "cpu/cpuid_source.h"
#include "output.h"

namespace engine {

struct EngineEnvironment {
  std::FILE* out;
  std::FILE* diagnostics;
  const CpuidSource* cpuid;
  std::uint64_t counterFrequency;  // 0: no high-resolution counter
};

int runEngine(int argc, const char* const* argv, Edition edition, const EngineEnvironment& env);

}  // namespace engine
