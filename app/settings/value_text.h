#pragma once

#include <string>

namespace settings {

// A number as the stores hold it: plain decimal digits, no grouping, no exponent, a fraction only
// where the number has one (19046418164, 1234.5), the shortest text that reads back as the same
// number.
std::string PlainDecimalText(double value);

}  // namespace settings
