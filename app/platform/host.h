#pragma once

#include <string>

namespace platform {

// ComputerName: the environment's Computername, else the host name.
std::string ComputerName();

// CoreCount: the environment's NUMBER_OF_PROCESSORS, else the number of online processors, as text.
std::string CoreCount();

}  // namespace platform
