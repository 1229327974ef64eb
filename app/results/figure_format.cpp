#include "figure_format.h"

#include <charconv>
#include <cmath>

#include "numeric_value.h"

namespace results {
namespace {

// The percentage in the pattern "0.0": one decimal, the locale's decimal separator, no grouping, a
// plain "-" when negative and no sign otherwise.
std::string Percentage(double percent, const QLocale& locale) {
  double tenths = std::round(percent * 10.0) / 10.0;
  if (tenths == 0) {
    tenths = 0;
  }
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, tenths, std::chars_format::fixed, 1);
  std::string text(buffer, result.ptr);
  text.replace(text.size() - 2, 1, locale.decimalPoint().toStdString());
  return text;
}

}  // namespace

std::string WholeNumber(double x, const QLocale& locale) {
  double whole = std::round(x);
  if (whole == 0) {
    whole = 0;
  }
  return locale.toString(whole, 'f', 0).toStdString();
}

std::string FormatFigure(double figure, const QLocale& locale) {
  const std::string rounded = figure > 1e9 ? WholeNumber(figure / 1e9, locale) + " GB)"
                                           : WholeNumber(figure / 1e6, locale) + " MB)";
  return WholeNumber(figure, locale) + " Bps (" + rounded;
}

std::string FormatComparison(double figure, std::string_view previousText, const QLocale& locale) {
  if (previousText.empty()) {
    return {};
  }
  const double previous = NumericValue(previousText);
  const double difference = figure - previous;
  const double percent = figure != 0 ? difference / figure * 100.0 : (previous != 0 ? -100.0 : 0.0);
  const std::string change = difference > 1e6 || -difference > 1e6
                                 ? WholeNumber(difference / 1e6, locale) + "MB"
                                 : WholeNumber(difference / 1e3, locale) + "KB";
  return " [" + change + " " + Percentage(percent, locale) + "%]";
}

}  // namespace results
