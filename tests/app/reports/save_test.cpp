// Saving the results: the proposed file name, the bytes written, the folder created, and a save
// that fails leaving nothing behind and saying why.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QLocale>
#include <filesystem>

#include "sandbox.h"
#include "save_file_name.h"
#include "saved_results.h"

namespace {

TEST(ProposedFileName, TimeInTwentyFourHoursThenDayMonthOfTheLocaleAndYear) {
  struct Case {
    QDateTime now;
    QLocale locale;
    const char* expected;
  };
  const Case cases[] = {
      {QDateTime(QDate(2025, 12, 8), QTime(14, 15, 3)), QLocale(QLocale::English),
       "MEMTestResults 141503 08Dec25.txt"},
      {QDateTime(QDate(2024, 3, 1), QTime(0, 5, 9)), QLocale(QLocale::English),
       "MEMTestResults 000509 01Mar24.txt"},
      {QDateTime(QDate(2009, 10, 31), QTime(23, 59, 59)), QLocale(QLocale::English),
       "MEMTestResults 235959 31Oct09.txt"},
      {QDateTime(QDate(2025, 12, 8), QTime(9, 0, 0)), QLocale(QLocale::German),
       "MEMTestResults 090000 08Dez.25.txt"},
      {QDateTime(QDate(2025, 3, 8), QTime(9, 0, 0)), QLocale(QLocale::French),
       "MEMTestResults 090000 08mars25.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(reports::ProposedFileName(c.now, c.locale), c.expected);
  }
}

const std::string kWinBox =
    "Host Name:                 TESTBOX\r\nOS Name:                   Linux";
const std::string kAllResults =
    "CPU: Test Processor\r\n\r\nINTEGER & WRITING\r\n1 Kb Block: 19,046,418,164 BPs (19 GB)";

TEST(SaveResultsFile, WritesTheLogUnchangedAfterTheSummaryWhenChosen) {
  struct Case {
    bool includeWinInfo;
    std::string allResults;
    std::string expected;
  };
  const Case cases[] = {
      {false, kAllResults, kAllResults},
      {true, kAllResults, kWinBox + "\r\n" + kAllResults},
      {false, "ends in a line break\n\n", "ends in a line break\n\n"},
      {true, "", kWinBox + "\r\n"},
  };
  Sandbox sandbox;
  for (const Case& c : cases) {
    const reports::SaveChoice choice{sandbox.path(), "MEMTestResults 141503 08Dec25.txt",
                                     c.includeWinInfo};
    ASSERT_EQ(reports::SaveResultsFile(choice, kWinBox, c.allResults), "");
    EXPECT_EQ(ReadFile(sandbox / "MEMTestResults 141503 08Dec25.txt"), c.expected)
        << "a second save of the same name replaces the first";
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.path()), {}), 1)
      << "no temporary file is left beside it";
}

TEST(SaveResultsFile, CreatesTheChosenFolderOneLevelDeep) {
  Sandbox sandbox;
  const reports::SaveChoice choice{sandbox / "Results", "run.txt", false};
  ASSERT_EQ(reports::SaveResultsFile(choice, kWinBox, kAllResults), "");
  EXPECT_EQ(ReadFile(sandbox / "Results/run.txt"), kAllResults);
}

TEST(SaveResultsFile, SaysWhyWhenNothingWasSavedAndLeavesNothingBehind) {
  Sandbox sandbox;
  WriteFile(sandbox / "a file", "not a folder");
  std::filesystem::create_directory(sandbox / "taken");
  struct Case {
    std::string folder;
    std::string fileName;
    std::string reasonStart;
  };
  const Case cases[] = {
      {sandbox / "missing/Results", "run.txt",
       "The folder \"" + sandbox / "missing/Results" + "\" could not be created: "},
      {sandbox / "a file/Results", "run.txt",
       "The folder \"" + sandbox / "a file/Results" + "\" could not be created: "},
      {sandbox / "a file", "run.txt", "\"" + sandbox / "a file" + "\" is not a folder."},
      {sandbox.path(), "taken", "The file \"" + sandbox / "taken" + "\" could not be written: "},
      // No one, not even the administrator, creates files here.
      {"/sys", "run.txt", "The file \"/sys/run.txt\" could not be written: "},
      {"", "run.txt", "No folder was chosen."},
      {sandbox.path(), "", "No file name was given."},
  };
  for (const Case& c : cases) {
    const std::string reason =
        reports::SaveResultsFile({c.folder, c.fileName, true}, kWinBox, kAllResults);
    if (c.reasonStart.back() == ' ') {
      EXPECT_EQ(reason.substr(0, c.reasonStart.size()), c.reasonStart);
      EXPECT_GT(reason.size(), c.reasonStart.size() + 1) << "the system's reason follows";
    } else {
      EXPECT_EQ(reason, c.reasonStart);
    }
  }
  EXPECT_FALSE(std::filesystem::exists("/run.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.path()), {}), 2)
      << "nothing but the two entries made by the test";
  EXPECT_TRUE(std::filesystem::is_empty(sandbox / "taken"));
}

TEST(SaveResultsFile, AWriteThatFailsKeepsTheEarlierFileWhole) {
  Sandbox sandbox;
  WriteFile(sandbox / "run.txt", "the earlier results");
  const std::string large(1 << 16, 'x');
  // A disk that fills up after 1 KB: the new text cannot be written.
  const int exitCode = ExitCodeWithFileSizeLimit(1024, [&] {
    const std::string reason =
        reports::SaveResultsFile({sandbox.path(), "run.txt", false}, kWinBox, large);
    return reason.rfind("The file \"" + sandbox / "run.txt" + "\" could not be written: ", 0) == 0
               ? 0
               : 1;
  });
  EXPECT_EQ(exitCode, 0) << "the failure is reported";
  EXPECT_EQ(ReadFile(sandbox / "run.txt"), "the earlier results");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.path()), {}), 1);
}

}  // namespace
