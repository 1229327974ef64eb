#pragma once

#include <string>
#include <string_view>

namespace platform {

// Case folding of the ASCII letters only: every name the program compares this way (files,
// environment variables, INI sections and keys) is ASCII, and other bytes pass through unchanged.
char FoldCase(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Position of the first occurrence of `needle` in `text`, letters in any case; npos when absent.
std::size_t FindNoCase(std::string_view text, std::string_view needle);
bool ContainsNoCase(std::string_view text, std::string_view needle);

}  // namespace platform
