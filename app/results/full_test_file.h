#pragma once

#include <QDateTime>
#include <QLocale>
#include <string>

namespace results {

// The "Full Test" folder beside the program (the folder the program writes to).
std::string FullTestFolder(const std::string& programFolder);

// The name of the Full Test file of a run of all tests started at `start`: "Speed Test " + time
// "hh.mm.ss" (00 to 23) + " " + date "dd mmm yy" (the locale's month abbreviation) + ".Tdv". Unless
// the program folder lies on drive C (begins with "c" in any case), the computer's name and a blank
// come first, so that files from several machines can share a folder; an unknown computer name adds
// nothing rather than a leading blank.
std::string FullTestFileName(const std::string& programFolder, const std::string& computerName,
                             const QDateTime& start, const QLocale& locale = QLocale());

// FullTestFilePath for a run of all tests: the folder and the name above.
std::string FullTestFilePath(const std::string& programFolder, const std::string& computerName,
                             const QDateTime& start, const QLocale& locale = QLocale());

}  // namespace results
