#include "full_test_file.h"

#include "text_case.h"

namespace results {

std::string FullTestFolder(const std::string& programFolder) {
  return programFolder + "/Full Test";
}

std::string FullTestFileName(const std::string& programFolder, const std::string& computerName,
                             const QDateTime& start, const QLocale& locale) {
  const bool driveC = !programFolder.empty() && platform::FoldCase(programFolder.front()) == 'c';
  const std::string stamp =
      locale.toString(start.time(), QStringLiteral("HH.mm.ss")).toStdString() + " " +
      locale.toString(start.date(), QStringLiteral("dd MMM yy")).toStdString();
  const std::string machine = driveC || computerName.empty() ? std::string() : computerName + " ";
  return machine + "Speed Test " + stamp + ".Tdv";
}

std::string FullTestFilePath(const std::string& programFolder, const std::string& computerName,
                             const QDateTime& start, const QLocale& locale) {
  return FullTestFolder(programFolder) + "/" +
         FullTestFileName(programFolder, computerName, start, locale);
}

}  // namespace results
