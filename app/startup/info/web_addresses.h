#pragma once

#include <string>

namespace startup {

// The web pages the program opens, values of the deployment fixed when it is built.
std::string MakerPage();
std::string EngineAuthorsPage();
std::string RamDiskVendorPage();

}  // namespace startup
