#include "dmi_values.h"

#include <cctype>

#include "text_file.h"

namespace systeminfo {
namespace {

const char* const kFillers[] = {
    "To be filled by O.E.M.",
    "To Be Filled By OEM",
    "Default string",
    "Not Specified",
    "Not Applicable",
    "Not Available",
    "System manufacturer",
    "System Product Name",
    "System Version",
    "O.E.M.",
    "OEM",
    "None",
    "Unknown",
    "[unknown]",
    "N/A",
    "Undefined",
};

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> UsefulDmiValue(const std::string& text) {
  const std::string value = Trimmed(text);
  if (value.empty()) {
    return std::nullopt;
  }
  for (const char* filler : kFillers) {
    if (SameIgnoringCase(value, filler)) {
      return std::nullopt;
    }
  }
  return value;
}

}  // namespace systeminfo
