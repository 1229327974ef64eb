#pragma once

#include <string>

#include "program_state.h"

namespace startup {

// GetEXEName: the executable's path as written on the process command line. From the command
// line's first 65533 characters, cut at its first NUL and trimmed: a quoted path is taken up to its
// closing quote, an unquoted one up to the first blank.
std::string GetEXEName(const std::string& commandLine);

// The command line this process was started with, as Windows would hold it: the program's path,
// in quotes when it has blanks (the system keeps the arguments apart, so none need quoting), and
// the arguments after it separated by NULs.
std::string ProcessCommandLine();

// The edition an executable path names: 0 for "Vantora.exe" anywhere in it (any case) or a file
// named "vantora", 1 for "Pellisto.exe" or "pellisto". A path that names neither runs the
// Vantora edition, so a renamed copy still works.
int EditionOf(const std::string& exePath);

// Sets Edition and EnginePath for the executable path, and writes the edition's engine into
// TempFolder when it is needed there and absent: RAM.exe for the Vantora edition; the earlier
// build for the Pellisto edition unless the program folder holds "pellisto-win32.exe", which is
// then run.
void SelectEdition(state::ProgramState& state, const std::string& exePath);

// The unload handler's clean-up: the Vantora edition's engine file lives for one run only.
void DeleteEngineFile(const state::ProgramState& state);

}  // namespace startup
