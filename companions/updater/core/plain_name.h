#pragma once

#include <string_view>

namespace updater {

// Whether `name` may name a file the site offers or a package installs: one file name, no folder
// part, not hidden (no leading '.'), made of letters, digits and "._-+" only, 255 bytes at most.
// A name from the download site can thus never reach outside the folder it is meant for.
bool IsPlainFileName(std::string_view name);

}  // namespace updater
