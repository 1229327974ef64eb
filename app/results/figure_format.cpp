#include "figure_format.h"

#include <cmath>

#include "numeric_value.h"

namespace results {
namespace {

// The percentage in the pattern "0.0": one decimal, no grouping, a plain "-" when negative and no
// sign otherwise, in the locale's digits and decimal separator like the rest of the comparison.
std::string Percentage(double percent, const QLocale& locale) {
  double tenths = std::round(percent * 10.0) / 10.0;
  if (tenths == 0) {
    tenths = 0;
  }
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  const std::string magnitude = plain.toString(std::fabs(tenths), 'f', 1).toStdString();
  return tenths < 0 ? "-" + magnitude : magnitude;
}

// A stored figure a machine could have measured: a corrupted or crafted file may hold anything.
bool Plausible(double figure) {
  return std::isfinite(figure) && std::fabs(figure) <= kLargestFigure;
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
  const double previous = NumericValue(previousText);
  if (previousText.empty() || !Plausible(previous)) {
    return {};
  }
  const double difference = figure - previous;
  const double percent = figure != 0 ? difference / figure * 100.0 : (previous != 0 ? -100.0 : 0.0);
  const std::string change = difference > 1e6 || -difference > 1e6
                                 ? WholeNumber(difference / 1e6, locale) + "MB"
                                 : WholeNumber(difference / 1e3, locale) + "KB";
  return " [" + change + " " + Percentage(percent, locale) + "%]";
}

}  // namespace results
