#pragma once

#include <string>
#include <vector>

#include "program_state.h"

namespace sysinfo {

// The labels of the summary tool's lines the program reads, padded to the tool's value column.
constexpr char kTotalMemoryLabel[] = "Total Physical Memory:     ";
constexpr char kFreeMemoryLabel[] = "Available Physical Memory: ";
constexpr char kProcessorsLabel[] = "Processor(s):              ";

// Takes MemTotal and MemFree (the value without its last three characters, " MB") and ProcCount
// (its first character) from the summary tool's lines; a later matching line overwrites an
// earlier one, and values without a line keep their content. Characters are UTF-8 ones.
void ReadSummaryValues(const std::vector<std::string>& lines, state::ProgramState& state);

}  // namespace sysinfo
