#pragma once

#include <string>
#include <vector>

namespace platform {

// Starts the program file `program` with `arguments` in `workingFolder` (the caller's own folder
// when empty), not waited for and not tied to this process: it goes on running when the program
// ends, and the system reaps it. Standard input reads nothing; output goes where this process's
// goes. Returns false when it could not be started (no such file, not executable, no folder).
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder = {});

}  // namespace platform
