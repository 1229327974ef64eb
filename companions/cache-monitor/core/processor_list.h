#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace cachemonitor {

// A kernel processor list such as "0-3,8,10-11" (with or without a final line break), in
// ascending order; nothing for malformed text.
std::optional<std::vector<int>> ParseProcessorList(std::string_view text);

}  // namespace cachemonitor
