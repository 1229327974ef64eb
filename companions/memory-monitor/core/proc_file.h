#pragma once

#include <optional>
#include <string>

namespace memorymonitor {

// The whole text of a /proc file (which reports no size, so it is read to its end); nothing when it
// cannot be opened or read.
std::optional<std::string> ReadProcFile(const std::string& path);

}  // namespace memorymonitor
