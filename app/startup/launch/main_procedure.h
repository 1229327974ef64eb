#pragma once

#include <functional>
#include <string>
#include <vector>

#include "companion_file.h"
#include "program_state.h"

namespace startup {

// The start-up procedure before the main window: WinDir and its system folder, the program's
// folders, and the system summary tool written into the system folder when it has none.
void Main(state::ProgramState& state);

// How a program is started detached: program, arguments, working folder.
using ProgramStarter =
    std::function<bool(const std::string&, const std::vector<std::string>&, const std::string&)>;

// A Tools menu entry: the monitor is written into the program's folder when it is not there, and
// after 100 ms started there through `start`, not waited for. Nothing is reported when it cannot
// be.
void StartMonitor(const state::ProgramState& state, const CompanionFile& monitor,
                  const ProgramStarter& start);

}  // namespace startup
