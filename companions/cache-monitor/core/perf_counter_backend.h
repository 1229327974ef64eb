// Hardware cache counters through the kernel's performance events.
#pragma once

#include <memory>

#include "miss_counters.h"

namespace cachemonitor {

std::unique_ptr<CounterBackend> MakePerfCounterBackend();

}  // namespace cachemonitor
