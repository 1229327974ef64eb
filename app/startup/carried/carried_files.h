#pragma once

#include <vector>

#include "companion_file.h"

namespace startup {

// The companion files built into the program. Another one joins with one carry_companion_file
// line in this folder's CMakeLists.txt and one entry here.

extern const CompanionFile kRamExeFile;
extern const CompanionFile kPellistoEngineFile;
extern const CompanionFile kAmbrelFile;
extern const CompanionFile kKovrinFile;
extern const CompanionFile kTessalFile;
extern const CompanionFile kSystemInfoFile;

const std::vector<const CompanionFile*>& CarriedFiles();

}  // namespace startup
