// The processor's own name, as its maker wrote it into the extended leaves.
#pragma once

#include <string>

#include "cpu/cpuid_source.h"

namespace engine {

// The text of leaves 0x80000002..0x80000004 up to the first NUL, without the blanks some makers
// pad it with; empty when the processor does not report those leaves.
std::string brandString(const CpuidReader& cpuid);

}  // namespace engine
