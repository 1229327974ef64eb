#include "print_document.h"

#include "message_box.h"
#include "print_layout.h"

namespace reports {
namespace {

bool PrinterError(const std::string& reason) {
  platform::MsgBox("Error: " + reason, platform::MsgButtons::OK, platform::MsgIcon::Critical,
                   "Printer Error");
  return false;
}

}  // namespace

bool PrintDocument(const PrintChoice& choice, const std::string& document,
                   const std::string& winBox, PagePrinter& printer) {
  if (choice.printer.empty()) {
    platform::MsgBox("No Printer Detected", platform::MsgButtons::OK,
                     platform::MsgIcon::Exclamation, "Printer Not Install");
    return false;
  }
  if (document.empty()) {
    platform::MsgBox("No Data to Print", platform::MsgButtons::OK, platform::MsgIcon::Critical,
                     "Print");
    return false;
  }
  const auto read = ReadPageSettings(choice.copiesText, choice.fontSizeText, choice.landscape);
  if (const auto* reason = std::get_if<std::string>(&read)) {
    return PrinterError(*reason);
  }
  const PageSettings& settings = std::get<PageSettings>(read);
  const std::string text = choice.includeWinInfo ? winBox + "\r\n\r\n" + document : document;
  for (const std::string& page :
       LayOutPages(text, PageLineLimit(choice.fontSizeText, choice.landscape),
                   TopMarginLines(settings.fontSize))) {
    const std::string reason = printer.PrintPage(settings, page);
    if (!reason.empty()) {
      return PrinterError(reason);
    }
  }
  return true;
}

}  // namespace reports
