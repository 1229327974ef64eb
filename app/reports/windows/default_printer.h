#pragma once

#include "print_document.h"

namespace reports {

// Prints every page as a print job of its own on the system's default printer, through Qt's
// print support: the font "Times New Roman" (on Linux its metric twin Liberation Serif stands in),
// the size, copies and orientation of the settings. A line wider than the page wraps; a page whose
// lines do not fit on one sheet continues on the next sheet of the same job.
class DefaultPrinter : public PagePrinter {
 public:
  std::string PrintPage(const PageSettings& settings, const std::string& pageText) override;
};

}  // namespace reports
