// Splitting the "key value" lines of /proc files.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace memorymonitor {

// Calls `line` with each line's key (the text before the first `separator`) and the rest, both
// without surrounding blanks. Lines without the separator are passed over.
void ForEachKeyLine(std::string_view text, char separator,
                    const std::function<void(std::string_view key, std::string_view rest)>& line);

// A whole decimal number; nothing for any other text or one that overflows.
std::optional<std::uint64_t> ParseCount(std::string_view text);

}  // namespace memorymonitor
