#include "test_parameters.h"

#include <algorithm>

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool StartsWithAt(const QString& text, int at, const QString& piece) {
  return !piece.isEmpty() && QStringView(text).mid(at).startsWith(piece);
}

// The leading number in C notation, so that its value does not depend on the locale.
QString LeadingNumber(const QString& typed, const QLocale& locale) {
  const QString localePoint = locale.decimalPoint();
  QString number;
  bool digits = false;
  bool point = false;
  for (int i = 0; i < typed.size(); ++i) {
    const QChar c = typed.at(i);
    if (IsBlank(c)) {
      continue;
    }
    if (c.isDigit() && c.unicode() < 128) {
      number += c;
      digits = true;
    } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && number.isEmpty()) {
      number += c;
    } else if (!point && (c == QLatin1Char('.') || StartsWithAt(typed, i, localePoint))) {
      number += QLatin1Char('.');
      point = true;
      i += c == QLatin1Char('.') ? 0 : localePoint.size() - 1;
    } else {
      break;
    }
  }
  return digits ? number : QString();
}

}  // namespace

QString TestSizeText(const QString& typed, const QLocale& locale) {
  // An overflowing number reads as an infinity, which the clamp brings into range.
  const double value = QLocale::c().toDouble(LeadingNumber(typed, locale));
  const double size = std::clamp(value, kSmallestTestSize, kLargestTestSize);
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(size, 'f', QLocale::FloatingPointShortest);
}

int PrefetchMode(const std::array<bool, 3>& selected) {
  const auto chosen = std::find(selected.begin(), selected.end(), true);
  return chosen == selected.end() ? 0 : static_cast<int>(chosen - selected.begin());
}
