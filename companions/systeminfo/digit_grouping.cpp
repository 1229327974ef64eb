#include "digit_grouping.h"

#include <climits>
#include <clocale>

namespace systeminfo {

DigitGrouping CurrentDigitGrouping() {
  const std::lconv* conventions = std::localeconv();
  DigitGrouping grouping;
  if (conventions->thousands_sep != nullptr) {
    grouping.separator = conventions->thousands_sep;
  }
  if (conventions->grouping != nullptr) {
    grouping.sizes = conventions->grouping;
  }
  return grouping;
}

std::string GroupDigits(std::uint64_t value, const DigitGrouping& grouping) {
  const std::string digits = std::to_string(value);
  if (grouping.separator.empty() || grouping.sizes.empty()) {
    return digits;
  }
  std::string grouped;
  std::size_t end = digits.size();
  std::size_t next = 0;
  std::size_t size = 0;
  for (;;) {
    if (next < grouping.sizes.size()) {
      const char c = grouping.sizes[next++];
      size = c <= 0 || c == CHAR_MAX ? 0 : static_cast<std::size_t>(c);
    }
    if (size == 0 || end <= size) {
      return digits.substr(0, end) + grouped;
    }
    grouped = grouping.separator + digits.substr(end - size, size) + grouped;
    end -= size;
  }
}

}  // namespace systeminfo
