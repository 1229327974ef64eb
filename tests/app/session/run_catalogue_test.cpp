#include "run_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace session;

std::string RoutineText(const EngineRun& run) {
  return std::string(run.routine == ResultRoutine::LogCache ? "LogCache(" : "LogMEM(") +
         std::to_string(run.page) + "," + std::to_string(run.argument) + ")";
}

struct RunCase {
  int number;
  const char* commandLine;  // at size 8, prefetch mode 1
  const char* routine;
};

const RunCase kRunCases[] = {
    {1, "/home/a b/RAM.exe -b1 -g8", "LogCache(0,1)"},
    {2, "/home/a b/RAM.exe -b2 -g8", "LogCache(0,2)"},
    {3, "/home/a b/RAM.exe -b4 -g8", "LogCache(1,1)"},
    {4, "/home/a b/RAM.exe -b5 -g8", "LogCache(1,2)"},
    {5, "/home/a b/RAM.exe -b7 -g8", "LogCache(2,1)"},
    {6, "/home/a b/RAM.exe -b8 -g8", "LogCache(2,2)"},
    {7, "/home/a b/RAM.exe -b13 -g8", "LogCache(4,1)"},
    {8, "/home/a b/RAM.exe -b14 -g8", "LogCache(4,2)"},
    {9, "/home/a b/RAM.exe -b10 -g8", "LogCache(3,1)"},
    {10, "/home/a b/RAM.exe -b11 -g8", "LogCache(3,2)"},
    {11, "/home/a b/RAM.exe -b16 -g8", "LogCache(5,1)"},
    {12, "/home/a b/RAM.exe -b17 -g8", "LogCache(5,2)"},
    {13, "/home/a b/RAM.exe -b3 -g8", "LogMEM(6,0)"},
    {14, "/home/a b/RAM.exe -b6 -g8", "LogMEM(6,3)"},
    {15, "/home/a b/RAM.exe -b9 -g8", "LogMEM(6,1)"},
    {16, "/home/a b/RAM.exe -b15 -t1 -g8", "LogMEM(6,4)"},
    {17, "/home/a b/RAM.exe -b12 -g8", "LogMEM(6,2)"},
    {18, "/home/a b/RAM.exe -b18 -t1 -g8", "LogMEM(6,5)"},
};

TEST(RunCatalogue, EveryRunHasItsCommandLineAndResultRoutine) {
  const auto& runs = EngineRuns();
  for (const RunCase& c : kRunCases) {
    const EngineRun& run = runs.at(c.number - 1);
    SCOPED_TRACE(c.number);
    EXPECT_EQ(run.number, c.number);
    EXPECT_EQ(RunCommandLine(run, "/home/a b/RAM.exe", "8", 1), c.commandLine);
    EXPECT_EQ(RoutineText(run), c.routine);
  }
}

TEST(RunCatalogue, SizeAndPrefetchModeReachTheirPlaces) {
  const auto& runs = EngineRuns();
  const struct {
    int number;
    const char* size;
    int mode;
    const char* commandLine;
  } cases[] = {
      {1, "2.5", 2, "e -b1 -g2.5"},   {13, "16", 0, "e -b3 -g16"},
      {16, "4", 0, "e -b15 -t0 -g4"}, {16, "4", 2, "e -b15 -t2 -g4"},
      {18, "2", 1, "e -b18 -t1 -g2"}, {18, "2,5", 0, "e -b18 -t0 -g2,5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunCommandLine(runs.at(c.number - 1), "e", c.size, c.mode), c.commandLine);
  }
  for (const EngineRun& run : runs) {
    if (run.number != 16 && run.number != 18) {
      EXPECT_EQ(RunCommandLine(run, "e", "4", 0), RunCommandLine(run, "e", "4", 2))
          << "prefetch mode reached run " << run.number;
    }
  }
}

TEST(RunCatalogue, SeriesOrderPausesAndPageTurns) {
  std::set<int> preWait;
  std::set<int> pageTurn;
  int lastGroup = 1;
  for (const EngineRun& run : EngineRuns()) {
    EXPECT_GE(run.group, lastGroup) << "run " << run.number << " breaks the group order";
    lastGroup = run.group;
    if (run.preWait) preWait.insert(run.number);
    if (run.turnsPage) pageTurn.insert(run.number);
  }
  EXPECT_EQ(preWait, (std::set<int>{1, 3, 5, 7, 9, 11, 13}));
  EXPECT_EQ(pageTurn, (std::set<int>{1, 3, 5, 7, 9, 11, 13, 14, 15, 17}));
}

std::set<int> SelectedGroups(std::set<int> boxes, bool hasMMX, bool hasSSE) {
  std::array<bool, 9> checked{};
  for (int box : boxes) checked.at(box) = true;
  std::set<int> groups;
  for (int group = 1; group <= kGroupCount; ++group) {
    if (GroupSelected(group, checked, hasMMX, hasSSE)) groups.insert(group);
  }
  return groups;
}

TEST(RunCatalogue, GroupGating) {
  const std::set<int> all{1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(SelectedGroups({}, true, true), std::set<int>{});
  EXPECT_EQ(SelectedGroups({0}, false, false), all) << "Run ALL ignores the CPU flags";
  EXPECT_EQ(SelectedGroups({0, 3}, false, false), all);
  EXPECT_EQ(SelectedGroups({5}, false, false), std::set<int>{5});
  EXPECT_EQ(SelectedGroups({3, 4, 7, 8}, true, true), (std::set<int>{3, 4, 7, 8}));
  EXPECT_EQ(SelectedGroups({3, 4, 7, 8}, true, false), (std::set<int>{3, 7}));
  EXPECT_EQ(SelectedGroups({3, 4, 7, 8}, false, true), (std::set<int>{4, 8}));
  EXPECT_EQ(SelectedGroups({1, 2, 3, 4, 5, 6, 7, 8}, false, false), (std::set<int>{1, 2, 5, 6}));
}

TEST(RunCatalogue, BoxesWithoutTheirFeatureAreUnavailable) {
  std::set<int> unavailableWithoutMMX;
  std::set<int> unavailableWithoutSSE;
  for (const TestBox& box : TestBoxes()) {
    if (!BoxAvailable(box, false, true)) unavailableWithoutMMX.insert(box.index);
    if (!BoxAvailable(box, true, false)) unavailableWithoutSSE.insert(box.index);
    EXPECT_TRUE(BoxAvailable(box, true, true));
  }
  EXPECT_EQ(unavailableWithoutMMX, (std::set<int>{3, 7}));
  EXPECT_EQ(unavailableWithoutSSE, (std::set<int>{4, 8}));
  EXPECT_STREQ(TestBoxes()[4].caption, "SEE Cache");
}

}  // namespace
