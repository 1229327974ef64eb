#include "cpu/legacy_processor.h"

namespace engine {

// Every x86-64 processor executes CPUID, and other architectures have no 386 or 486 classes.
const char* nameWithoutCpuid() { return ""; }

}  // namespace engine
