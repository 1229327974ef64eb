#pragma once

#include "hex_text.h"

namespace startup {

// A companion file the program carries and writes on demand, and the folder it belongs in.

enum class CompanionFolder { TempFolder, ProgramFolder, SystemFolder };

struct CompanionFile {
  const char* name;
  CompanionFolder folder;
  const HexText& text;
};

}  // namespace startup
