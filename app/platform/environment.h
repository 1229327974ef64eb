#pragma once

#include <string>
#include <string_view>

namespace platform {

// The value of an environment variable. Names match without regard to case, as on Windows, where
// the program's variables (WinDir, TEMP, Computername, NUMBER_OF_PROCESSORS) come from; an exact
// spelling wins over another one. Unset and empty read alike, as the empty text.
std::string EnvironmentValue(std::string_view name);

}  // namespace platform
