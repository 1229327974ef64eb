// The name line of a processor without CPUID, of the 386 or 486 class, told apart by how its
// flags register and its division behave.
#pragma once

namespace engine {

// Only a 32-bit x86 processor can lack CPUID; every other build returns the empty text.
const char* nameWithoutCpuid();

}  // namespace engine
