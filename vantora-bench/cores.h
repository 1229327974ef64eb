// The processors the threads run on.
#pragma once

#include <vector>

namespace vbench {

// One logical processor per physical core, of those the program may run on, in ascending order:
// two threads on the siblings of one core would share its caches and its load and store units.
std::vector<int> coreCpus();

}  // namespace vbench
