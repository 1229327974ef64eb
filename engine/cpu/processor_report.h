// The processor identification report of the -i switch.
#pragma once

#include <cstdio>
#include <string>

#include "cpu/cpuid_source.h"

namespace engine {

// The whole report, every line ending in a newline.
std::string processorReport(const CpuidSource& cpuid);

void printProcessorReport(const CpuidSource& cpuid, std::FILE* out);

}  // namespace engine
