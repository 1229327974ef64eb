#pragma once

#include <functional>

#include "dos_outputs.h"
#include "ini_read_write.h"
#include "load_view.h"
#include "program_state.h"

namespace startup {

// The main window's load handler: folders and environment, the edition and its engine, the version
// check (`getVer`, false when the process is to end: LoadMainWindow then returns false at once),
// the "Full Test" folder, the test sizes, the system summary from Data.dat and "SystemInfo.txt" or
// gathered anew, the CPU panel and the tests its features allow, the past Full Tests, the results
// log and the summary label. Each step that fails is skipped. `exePath` is the executable's path
// as GetEXEName gives it.
bool LoadMainWindow(state::ProgramState& state, runner::DOSOutputs& objDOSB,
                    settings::INIReadWrite& ini, LoadView& view, const std::string& exePath,
                    const std::function<bool()>& getVer);

// The unload handler's work before the process ends: the Vantora edition's engine file goes.
void UnloadMainWindow(const state::ProgramState& state);

}  // namespace startup
