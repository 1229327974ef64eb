#pragma once

#include <optional>
#include <string>

namespace systeminfo {

// The whole content of a file, or nothing when it is missing or cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// Text without the blanks, tabs and line ends at both of its ends.
std::string Trimmed(const std::string& text);

}  // namespace systeminfo
