#pragma once

#include <string>

#include "ini_read_write.h"
#include "program_state.h"

namespace startup {

// Reads the system summary stored in Data.dat at an earlier start: the processor, the memory
// totals, the slot and module counts and the texts of at most twelve slots.
void ReadStoredSummary(state::ProgramState& state, settings::INIReadWrite& ini);

// The caption of the summary label Label5: "Total Memory: 8,192 MB", then "Dimms: 2/4 Slots" when
// both counts are known, then the cache sizes that are known ("L1: 32Kb L2: 256Kb L3: 8192Kb").
std::string SummaryLabel(const state::ProgramState& state);

}  // namespace startup
