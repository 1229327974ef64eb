#pragma once

namespace update {

// What start-up does after a step of this subsystem.
enum class NextStep {
  ContinueStartUp,
  EndProcess,  // the updater or the runtime installer has taken over, or the program cannot run
};

}  // namespace update
