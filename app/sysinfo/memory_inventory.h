#pragma once

#include <QLocale>
#include <string>

#include "ini_read_write.h"
#include "program_state.h"
#include "win32_physical_memory.h"

namespace sysinfo {

// The description of the module in slot `slot` (1 to 12): its size in units of 1,024,000 bytes
// ("MB") or 1,024,000,000 bytes ("GB") above 1000 such units, rounded and grouped by `locale`,
// its speed and its bank; or the Empty text when it has no capacity that rounds to a unit.
std::string SlotDescription(int slot, const Win32_PhysicalMemory& module,
                            const QLocale& locale = QLocale());

// getmem: the memory module inventory. Counts the memory devices of the machine's tables
// (SlotCount) and the modules among those whose locator begins with "A" (ModuleCount), gives each
// of the first twelve such slots its description where SlotText holds none yet (an existing text
// is kept), and stores the counts and the twelve texts in Data.dat, section "Memory". When the
// tables list no device (none readable), both counts are empty, so no module count is shown.
void getmem(state::ProgramState& state, settings::INIReadWrite& ini,
            const QLocale& locale = QLocale());

}  // namespace sysinfo
