#pragma once

#include "cpu_view.h"
#include "dos_outputs.h"
#include "program_state.h"

namespace sysinfo {

// GetCPU: fills CPUInfo with the memory and processor summary (MemTotal, MemFree, the slot texts,
// ProcName, ProcCount, CoreCount, ProcSpeed, ProcSocket), then runs the engine's identification
// report (EnginePath -i) through objDOSB and lists its lines from the first level-1 instruction
// cache line on, with level headings and an empty line before each feature group; lines the
// engine could not decode ("unknown") are left out, and count prefixes 1x to 10x are taken off.
// Sets HasMMX and HasSSE when the report names those instruction sets, and CacheL1 to CacheL3 to
// the cache sizes (" 32Kb"); none of these is reset here. Shows the CPU/RAM page. The report's
// lines may end in CR LF or LF; CPUInfo's end in CR LF.
void GetCPU(state::ProgramState& state, runner::DOSOutputs& objDOSB, CpuView& view);

}  // namespace sysinfo
