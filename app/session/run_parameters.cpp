#include "run_parameters.h"

#include <QString>
#include <algorithm>

namespace session {
namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool StartsWithAt(const QString& text, qsizetype at, const QString& piece) {
  return !piece.isEmpty() && QStringView(text).mid(at).startsWith(piece);
}

// The leading number in C notation, so that its value does not depend on the locale.
std::string LeadingNumber(const QString& typed, const QString& localePoint) {
  std::string number;
  bool digits = false;
  bool point = false;
  for (qsizetype i = 0; i < typed.size(); ++i) {
    const QChar c = typed.at(i);
    if (IsBlank(c)) {
      continue;
    }
    if (c.isDigit()) {
      number += static_cast<char>('0' + c.digitValue());
      digits = true;
    } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && number.empty()) {
      number += static_cast<char>(c.unicode());
    } else if (!point && (c == QLatin1Char('.') || StartsWithAt(typed, i, localePoint))) {
      number += '.';
      point = true;
      i += c == QLatin1Char('.') ? 0 : localePoint.size() - 1;
    } else {
      break;
    }
  }
  return digits ? number : std::string();
}

}  // namespace

std::string TestSizeText(const std::string& typed, const QLocale& locale) {
  const QString localePoint = locale.decimalPoint();
  // An overflowing number reads as an infinity, which the clamp brings into range.
  const double value = QLocale::c().toDouble(
      QString::fromStdString(LeadingNumber(QString::fromUtf8(typed), localePoint)));
  const double size = std::clamp(value, kSmallestTestSize, kLargestTestSize);
  QString text = QLocale::c().toString(size, 'f', QLocale::FloatingPointShortest);
  text.replace(QLatin1Char('.'), localePoint);
  return text.toStdString();
}

int PrefetchMode(const std::array<bool, 3>& selected) {
  const auto chosen = std::find(selected.begin(), selected.end(), true);
  return chosen == selected.end() ? 0 : static_cast<int>(chosen - selected.begin());
}

}  // namespace session
