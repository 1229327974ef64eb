// The core clock, measured rather than read: the rate of a chain of dependent additions, one
// cycle each on every x86-64 core, gives the cycles per second the core runs at now, turbo
// included, which no frequency the system reports does.
#pragma once

namespace vbench {

// Cycles per second: the fastest of a few runs of half a millisecond or so, since an
// interruption only ever makes a run slower. Call it on the core to measure.
double measureCoreClockHz();

}  // namespace vbench
