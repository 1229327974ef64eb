#pragma once

#include <string>
#include <string_view>

namespace systeminfo {

// The value of `key` in the text of an os-release file (KEY=value lines, the value optionally in
// shell quotes with backslash escapes inside double quotes). Empty when the key is absent.
std::string OsReleaseValue(std::string_view text, std::string_view key);

}  // namespace systeminfo
