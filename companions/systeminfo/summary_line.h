#pragma once

#include <string>
#include <string_view>

namespace systeminfo {

// Every line of the summary holds a label padded with blanks to this width, then the value; a
// value that continues an item on a further line starts at the same column.
constexpr std::size_t kValueColumn = 27;

// The label padded to kValueColumn, then the value. A label that fills the width keeps one blank
// before the value.
std::string SummaryLine(std::string_view label, std::string_view value);

// A further line of the item above: kValueColumn blanks, then the value.
std::string ContinuationLine(std::string_view value);

}  // namespace systeminfo
