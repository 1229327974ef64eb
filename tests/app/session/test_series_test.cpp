#include <QLocale>
#include <regex>

#include "series_fixture.h"

namespace {

constexpr char kMainCaption[] = "Memory and Cache Benchmark Utility";
constexpr char kCancelCaption[] = "Cancel In-Progress ... This may Take a Minute!!";

std::size_t CountOf(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

using TestSeriesTest = SeriesFixture;

TEST_F(TestSeriesTest, OneBoxRunsItsTwoRunsAndShowsStoresAndLogsTheirFigures) {
  view.runTest[1].checked = true;  // "Integer Cache"
  bool lockedDuringRun = false;
  QObject::connect(&objDOSB, &runner::DOSOutputs::ReceiveOutputs, [&](const std::string&) {
    lockedDuringRun = view.Locked() && view.command1 == "Cancel" && view.busy;
  });
  series.PressCommand1();

  EXPECT_EQ(Runs(), (std::vector<std::string>{"-b1 -g2", "-b2 -g2"}));
  EXPECT_TRUE(lockedDuringRun);
  EXPECT_EQ(view.captions,
            (std::vector<std::string>{"Integer Write Test In Progress",
                                      "Integer Read Test In Progress", kMainCaption}));
  const std::string log = view.allResults;
  EXPECT_EQ(log.rfind("\r\n\r\nInteger Write Test In Progress\r\nWrite 1 KB: 1,000,000,000 Bps "
                      "(1,000 MB)\r\n",
                      0),
            0u)
      << log;
  EXPECT_NE(log.find("\r\nInteger Read Test In Progress\r\nRead 1 KB: 2,000,000,000 Bps (2 GB)"
                     "\r\n"),
            std::string::npos);
  EXPECT_EQ(CountOf(log, "\r\nWrite "), 16u);
  EXPECT_EQ(CountOf(log, "\r\nRead "), 16u);
  EXPECT_EQ(view.writeFields.size(), 16u);
  EXPECT_EQ(view.readFields.size(), 16u);
  EXPECT_EQ((view.readFields[{0, 15}]), "2,015,000,000 Bps (2 GB)");
  EXPECT_EQ(Stored("Integer1", "1 Kb"), "1000000000");
  EXPECT_EQ(Stored("Integer2", "32768 Kb"), "2015000000");

  EXPECT_TRUE(view.page[0].enabled && view.page[0].checked && view.page[0].visible);
  for (int index = 1; index < 9; ++index) {
    EXPECT_FALSE(view.page[index].visible || view.page[index].checked) << index;
  }
  EXPECT_EQ(view.command1, "RUN");
  EXPECT_TRUE(view.Unlocked());
  EXPECT_FALSE(view.busy);
  EXPECT_TRUE(state.FullTestFilePath.empty());
  EXPECT_TRUE(submitted.empty());
  EXPECT_TRUE(std::filesystem::is_empty(state.ProgramWriteFolder + "/Full Test"));
}

TEST_F(TestSeriesTest, RunAllRecordsAFullTestRefreshesTheListAndSubmitsIt) {
  view.runTest[0].checked = true;
  view.prefetch = 2;
  state.HasMMX = false;  // Run ALL runs the gated groups all the same
  state.HasSSE = false;
  state.CompareFilePath = sandbox / "older.Tdv";
  series.PressCommand1();

  EXPECT_EQ(Runs(),
            (std::vector<std::string>{"-b1 -g2", "-b2 -g2", "-b4 -g2", "-b5 -g2", "-b7 -g2",
                                      "-b8 -g2", "-b13 -g2", "-b14 -g2", "-b10 -g2", "-b11 -g2",
                                      "-b16 -g2", "-b17 -g2", "-b3 -g2", "-b6 -g2", "-b9 -g2",
                                      "-b15 -t2 -g2", "-b12 -g2", "-b18 -t2 -g2"}));
  const std::string fullTest = state.FullTestFilePath;
  EXPECT_TRUE(std::regex_match(
      fullTest, std::regex(".*/program/Full Test/BENCH Speed Test [0-2][0-9]\\.[0-5][0-9]\\."
                           "[0-5][0-9] [0-3][0-9] .+ [0-9][0-9]\\.Tdv")))
      << fullTest;
  const std::string recorded = ReadFile(fullTest);
  for (const char* section :
       {"[Integer1]", "[Integer2]", "[Float1]", "[MMX NT2]", "[SSE NT1]", "[MEM Test]"}) {
    EXPECT_NE(recorded.find(section), std::string::npos) << section;
  }
  EXPECT_EQ(CountOf(recorded, " Kb="), 12u * 16u);
  EXPECT_NE(recorded.find("MMX NT Average=15150000000"), std::string::npos);
  EXPECT_EQ(view.oldTest,
            (std::vector<std::string>{std::filesystem::path(fullTest).filename().string()}));
  EXPECT_TRUE(view.compareEnabled);
  EXPECT_EQ(view.compareCaption, "Compare to Past Full Test (1)");
  EXPECT_TRUE(state.CompareFilePath.empty()) << "the next runs compare with the last results";
  EXPECT_EQ(submitted, std::vector<std::string>{fullTest});
  EXPECT_TRUE(view.page[6].visible) << "the last page turn shows the memory page";
  EXPECT_EQ(view.memoryFields.size(), 30u);
}

TEST_F(TestSeriesTest, CancelEndsTheSeriesAfterTheRunningEngineRunAndRunStartsAgain) {
  ScopedEnvironment pause("FAKE_ENGINE_PAUSE_MS", "5");
  view.runTest[1].checked = true;
  bool pressed = false;
  const auto connection =
      QObject::connect(&objDOSB, &runner::DOSOutputs::ReceiveOutputs, [&](const std::string&) {
        if (!pressed) {
          pressed = true;
          series.PressCommand1();  // reads "Cancel"
        }
      });
  series.PressCommand1();
  QObject::disconnect(connection);

  EXPECT_EQ(Runs(), std::vector<std::string>{"-b1 -g2"});
  EXPECT_EQ(view.captions,
            (std::vector<std::string>{"Integer Write Test In Progress", kCancelCaption,
                                      "Integer Read Test In Progress", kMainCaption}));
  EXPECT_EQ(view.writeFields.size(), 16u) << "the run in progress is shown and stored";
  EXPECT_EQ(Stored("Integer1", "32768 Kb"), "1015000000");
  EXPECT_EQ(Stored("Integer2", "1 Kb"), "");
  EXPECT_EQ(view.command1, "RUN");
  EXPECT_TRUE(view.Unlocked());

  series.PressCommand1();
  EXPECT_FALSE(state.CancelRequested);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"-b1 -g2", "-b1 -g2", "-b2 -g2"}));
}

TEST_F(TestSeriesTest, ClosingDuringASeriesEndsItAfterTheRunningEngineRun) {
  EXPECT_TRUE(series.RequestClose()) << "no series: the window may close";
  view.runTest[5].checked = true;  // "Integer MEM": one run
  view.runTest[6].checked = true;  // "Float MEM"
  QObject::connect(&objDOSB, &runner::DOSOutputs::ReceiveOutputs, [&](const std::string&) {
    if (view.closed == 0 && series.Running()) {
      EXPECT_FALSE(series.RequestClose());
    }
  });
  series.PressCommand1();
  EXPECT_EQ(Runs(), std::vector<std::string>{"-b3 -g2"});
  EXPECT_EQ(Stored("MEM Test", "Interger Average"), "3150000000") << "nothing measured is lost";
  EXPECT_EQ(view.closed, 1);
  EXPECT_EQ(view.command1, "RUN");
}

TEST_F(TestSeriesTest, WithoutABoxOnlyTheOpeningAndClosingStepsRun) {
  series.PressCommand1();
  EXPECT_TRUE(Runs().empty());
  EXPECT_EQ(view.allResults, "\r\n");
  EXPECT_EQ(view.captions, std::vector<std::string>{kMainCaption});
  EXPECT_EQ(view.command1, "RUN");
  EXPECT_TRUE(view.Unlocked());
}

TEST_F(TestSeriesTest, AGroupRunsOnlyWithItsFeatureUnlessRunAllIsChecked) {
  state.HasSSE = false;
  view.runTest[8].checked = true;  // "SSE MEM"
  view.runTest[5].checked = true;  // "Integer MEM"
  series.PressCommand1();
  EXPECT_EQ(Runs(), std::vector<std::string>{"-b3 -g2"});
  EXPECT_TRUE(view.page[6].visible);
}

TEST_F(TestSeriesTest, EngineErrorsGiveNoFiguresButTheSeriesGoesOn) {
  view.testSize = "6";  // not a power of two: the engine refuses it
  view.runTest[1].checked = true;
  view.runTest[4].checked = true;
  series.PressCommand1();
  EXPECT_EQ(Runs().size(), 6u);
  EXPECT_TRUE(view.writeFields.empty());
  EXPECT_EQ(view.allResults,
            "\r\n\r\nInteger Write Test In Progress\r\n\r\nInteger Read Test In Progress\r\n"
            "\r\nSSE Write Test In Progress\r\n\r\nSSE Read Test In Progress\r\n"
            "\r\nSSE NT Write Test In Progress\r\n\r\nSSE NT Read Test In Progress\r\n");
  EXPECT_TRUE(view.page[0].enabled) << "the page button opens once its routine ran";
  EXPECT_TRUE(view.page[5].enabled);
}

// The earlier engine build reports megabytes per second; the figures come out in bytes.
TEST_F(TestSeriesTest, MegabyteRatesAreShownAndStoredInBytes) {
  ScopedEnvironment megabytes("FAKE_ENGINE_MBS", "1");
  view.runTest[7].checked = true;  // "MMX MEM": -b9 and -b15
  series.PressCommand1();
  EXPECT_EQ(Stored("MEM Test", "Float Copy"), "9000000000");
  EXPECT_EQ(Stored("MEM Test", "MMX NT Triad"), "15300000000");
  EXPECT_EQ((view.memoryFields[{1, 0}]), "9,000,000,000 Bps (9 GB)");
}

}  // namespace
