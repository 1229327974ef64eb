#pragma once

#include <cstdint>
#include <string>

namespace systeminfo {

// How the user's locale groups the digits of a number, as the C library describes it.
struct DigitGrouping {
  std::string separator;  // empty: digits are not grouped
  // Group sizes from the right, one per character; the last one repeats, and CHAR_MAX (or a size
  // of 0 or less) ends the grouping there.
  std::string sizes;
};

// The grouping of the locale the program runs in (its LC_NUMERIC, set with setlocale).
DigitGrouping CurrentDigitGrouping();

// The value's decimal digits, grouped ("24,105" in an English locale, "24105" in the C locale).
std::string GroupDigits(std::uint64_t value, const DigitGrouping& grouping);

}  // namespace systeminfo
