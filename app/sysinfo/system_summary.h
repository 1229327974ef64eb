#pragma once

#include <QLocale>
#include <string>

#include "dos_outputs.h"
#include "ini_read_write.h"
#include "program_state.h"
#include "summary_view.h"

namespace sysinfo {

// The summary tool to run: "Systeminfo.exe" in WinDir's "Syswow64" folder when there is one
// there, else in its "System32" folder (names in any letter case).
std::string SummaryToolPath(const std::string& winDir);

// SysINFO: runs the summary tool through objDOSB and shows its text on the WIN page, keeps it in
// TempFolder's "SystemInfo.txt" (written also when empty), lists its non-blank lines in List1 and,
// from ten lines on, takes the memory totals and the processor count from them and the processor's
// name, clock and socket from the first Win32_Processor instance, stores these in Data.dat (when
// MemTotal is known) and takes the memory module inventory (getmem). The tool's lines may end in
// CR LF or LF. The mouse pointer is left as the hourglass for the caller to restore.
void SysINFO(state::ProgramState& state, runner::DOSOutputs& objDOSB, settings::INIReadWrite& ini,
             SummaryView& view, const QLocale& locale = QLocale());

}  // namespace sysinfo
