#pragma once

namespace runner {

// Pauses for MilliSeconds while the application's events keep being delivered, so windows stay
// responsive and their handlers may run during the pause. Pending events are let through at least
// once, however short the pause; a pause of 0 or less only does that.
// REQUIRES: a QCoreApplication for the events; without one the thread just sleeps.
void Delay(int MilliSeconds);

}  // namespace runner
