#pragma once

#include <string>
#include <variant>

namespace reports {

// The printer settings applied to every page.
struct PageSettings {
  int copies = 1;
  double fontSize = 12;
  bool landscape = false;
};

// The settings from the texts of the copies and font size boxes: copies a whole number from 1 up,
// the font size a number from 1 to 1638 (blanks around either are ignored). Returns the
// settings, or the description of the first text that is not valid.
std::variant<PageSettings, std::string> ReadPageSettings(const std::string& copiesText,
                                                         const std::string& fontSizeText,
                                                         bool landscape);

}  // namespace reports
