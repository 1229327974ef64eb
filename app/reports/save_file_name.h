#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

namespace reports {

// The name the save dialog proposes: "MEMTestResults hhmmss ddmmmyy.txt", the time in 24 hours and
// the month abbreviated in the user's `locale` ("MEMTestResults 141503 08Dec25.txt").
std::string ProposedFileName(const QDateTime& now, const QLocale& locale);

}  // namespace reports
