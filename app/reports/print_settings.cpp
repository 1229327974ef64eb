#include "print_settings.h"

#include <QString>
#include <cmath>

namespace reports {
namespace {

// The largest font size a printer font takes.
constexpr double kLargestFontSize = 1638;

}  // namespace

std::variant<PageSettings, std::string> ReadPageSettings(const std::string& copiesText,
                                                         const std::string& fontSizeText,
                                                         bool landscape) {
  PageSettings settings;
  settings.landscape = landscape;
  bool ok = false;
  settings.copies = QString::fromStdString(copiesText).trimmed().toInt(&ok);
  if (!ok || settings.copies < 1) {
    return "\"" + copiesText + "\" is not a number of copies; type a whole number from 1 up.";
  }
  settings.fontSize = QString::fromStdString(fontSizeText).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(settings.fontSize) || settings.fontSize < 1 ||
      settings.fontSize > kLargestFontSize) {
    return "\"" + fontSizeText + "\" is not a font size; type a number from 1 to 1638.";
  }
  return settings;
}

}  // namespace reports
