#pragma once

#include <string_view>

namespace updater {

// The number of a version text such as "0.11": its first character followed by its third and
// fourth (the point skipped), read as a decimal number the way a BASIC Val does: leading blanks,
// tabs and line feeds anywhere are skipped, a sign and one decimal point are taken, and the reading
// stops at the first other character. "0.10" gives 10, "0.11" 11, "1.02" 102, "1.0" and a line
// break 10, and a text that starts with no digit (an error page) 0.
double VersionNumber(std::string_view version);

// Whether the version text `remote` is newer than `local` by that rule.
bool IsNewerVersion(std::string_view remote, std::string_view local);

}  // namespace updater
