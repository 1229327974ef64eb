#pragma once

#include <optional>
#include <string_view>

namespace results {

// The leading decimal number of a text: after leading blanks, an optional sign, digits with "." as
// the decimal point, an optional exponent; reading stops at the first character that cannot
// continue the number, so thousands separators end it ("19,046" reads as 19). Nothing when the text
// does not begin with a number; a number too large for a double reads as an infinity, one too
// small as 0.
std::optional<double> LeadingNumber(std::string_view text);

// The numeric value of a text: its leading number, or 0 without one. Stored values are read so.
double NumericValue(std::string_view text);

}  // namespace results
