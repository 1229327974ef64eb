#pragma once

#include <string>

#include "print_settings.h"

namespace reports {

// Prints one page of text as a print job of its own on the default printer. The page's lines end
// in CR LF; empty ones are printed as empty lines.
class PagePrinter {
 public:
  virtual ~PagePrinter() = default;

  // Returns why the page could not be printed, or an empty text when it was sent.
  virtual std::string PrintPage(const PageSettings& settings, const std::string& pageText) = 0;
};

// What the print dialog shows when the user presses Print.
struct PrintChoice {
  std::string printer;  // the printer list's text: the default printer, empty when there is none
  std::string copiesText;
  std::string fontSizeText;
  bool landscape = false;
  bool includeWinInfo = false;
};

// Prints the results log `document` (preceded by the Windows summary `winBox` and an empty line
// when chosen) page by page as laid out by LayOutPages, every page its own job. Without a printer
// or without data it says so; a setting that is not valid or a page that cannot be printed ends
// printing with "Error: " and the reason (pages already sent stay sent). Messages go through
// platform::MsgBox. Returns true when every page was sent.
bool PrintDocument(const PrintChoice& choice, const std::string& document,
                   const std::string& winBox, PagePrinter& printer);

}  // namespace reports
