// The processor identification report of the -i switch.
#pragma once

#include <cstdio>

#include "cpu/cpuid_source.h"

namespace engine {

void printProcessorReport(const CpuidSource& cpuid, std::FILE* out);

}  // namespace engine
