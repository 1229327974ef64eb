#include "full_test_file.h"

#include <gtest/gtest.h>

#include "figure_store.h"

namespace {

TEST(FullTestFile, NameFromDriveTimeDateAndComputer) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QDateTime afternoon(QDate(2012, 9, 21), QTime(14, 3, 22));
  const QDateTime morning(QDate(2024, 1, 5), QTime(9, 5, 7));
  const struct {
    const char* programFolder;
    const char* computer;
    QDateTime start;
    const char* name;
  } cases[] = {
      {"C:\\Tools", "BENCH", afternoon, "Speed Test 14.03.22 21 Sep 12.Tdv"},
      {"c:/tools", "BENCH", afternoon, "Speed Test 14.03.22 21 Sep 12.Tdv"},
      {"D:\\Tools", "BENCH", afternoon, "BENCH Speed Test 14.03.22 21 Sep 12.Tdv"},
      {"/home/ana/.local/share/vantora", "bench-pc", morning,
       "bench-pc Speed Test 09.05.07 05 Jan 24.Tdv"},
      {"/opt/vantora", "", morning, "Speed Test 09.05.07 05 Jan 24.Tdv"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(results::FullTestFileName(c.programFolder, c.computer, c.start, english), c.name)
        << c.programFolder;
  }
  EXPECT_EQ(results::FullTestFilePath("/opt/v", "PC",
                                      QDateTime(QDate(2012, 9, 21), QTime(23, 59, 59)), english),
            "/opt/v/Full Test/PC Speed Test 23.59.59 21 Sep 12.Tdv");
  EXPECT_EQ(results::DataFilePath("/run/user/1000/vantora"), "/run/user/1000/vantora/Data.dat");
}

}  // namespace
