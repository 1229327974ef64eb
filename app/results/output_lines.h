#pragma once

#include <string_view>
#include <vector>

namespace results {

// The lines of a captured engine output, ended by CR LF (the Windows engine) or LF (ours), without
// their line ends.
std::vector<std::string_view> OutputLines(std::string_view output);

// Whether a line is empty or holds only blanks.
bool IsBlankLine(std::string_view line);

}  // namespace results
