#pragma once

#include <functional>
#include <string>
#include <vector>

#include "companion_file.h"
#include "frm_data.h"
#include "program_state.h"
#include "signature.h"

namespace startup {

// The start-up procedure before the main window: WinDir, the runtime installer's download started
// through `data` (which must live as long as the process), the system folder and the system
// summary tool written into it when it has none, and the check of the runtime components. False
// when the process is to end there (components missing: the installer has taken over, or the user
// was told where to get it).
bool Main(state::ProgramState& state, update::frmData& data,
          const std::vector<std::string>& RequiredFiles, const updater::PublicKey& makerKey);

// How a program is started detached: program, arguments, working folder.
using ProgramStarter =
    std::function<bool(const std::string&, const std::vector<std::string>&, const std::string&)>;

// A Tools menu entry: the monitor is written into the program's folder when it is not there, and
// after 100 ms started there through `start`, not waited for. Nothing is reported when it cannot
// be.
void StartMonitor(const state::ProgramState& state, const CompanionFile& monitor,
                  const ProgramStarter& start);

}  // namespace startup
