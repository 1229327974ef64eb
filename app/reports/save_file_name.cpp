#include "save_file_name.h"

namespace reports {

std::string ProposedFileName(const QDateTime& now, const QLocale& locale) {
  const QDate date = now.date();
  const QString name = QStringLiteral("MEMTestResults ") + now.time().toString(u"HHmmss") + ' ' +
                       date.toString(u"dd") + locale.monthName(date.month(), QLocale::ShortFormat) +
                       date.toString(u"yy") + QStringLiteral(".txt");
  return name.toStdString();
}

}  // namespace reports
