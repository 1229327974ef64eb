#pragma once

#include <optional>
#include <string>

namespace systeminfo {

// A value of the firmware's identification (/sys/class/dmi/id) worth printing: trimmed, and
// nothing when it is blank or one of the fillers makers leave in place of a value ("To Be Filled
// By O.E.M.", "Default string", "Not Specified", "System Product Name"...).
std::optional<std::string> UsefulDmiValue(const std::string& text);

}  // namespace systeminfo
