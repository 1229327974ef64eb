#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace startup {

// RequiredFiles: the shared components the program's windows are built on, the Qt libraries this
// process loaded, by their paths, in the order the system mapped them.
std::vector<std::string> RequiredFiles();

// The Qt libraries ("libQt6...") among the files of a /proc/<pid>/maps text, each once.
std::vector<std::string> QtLibrariesIn(std::string_view maps);

}  // namespace startup
