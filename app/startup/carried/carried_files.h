#pragma once

#include <vector>

#include "companion_file.h"

namespace startup {

// The companion files built into the program. Another one joins with one carry_companion_file
// line in this folder's CMakeLists.txt and one entry here.

extern const CompanionFile kRamExeFile;
extern const CompanionFile kPellistoEngineFile;

const std::vector<const CompanionFile*>& CarriedFiles();

}  // namespace startup
