// The real engine, carried and written like the program does, run through DOSOutputs with the
// catalogue's command lines at the smallest volumes, its output parsed and stored.

#include <gtest/gtest.h>

#include <regex>

#include "cache_results.h"
#include "carried_files.h"
#include "companion_writer.h"
#include "dos_outputs.h"
#include "figure_store.h"
#include "folders.h"
#include "ini_read_write.h"
#include "memory_results.h"
#include "program_state.h"
#include "recorded_messages.h"
#include "run_catalogue.h"
#include "sandbox.h"

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class EngineEndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    startup::WriteCompanionFile(startup::kRamExeFile);
    tempFolder_ = platform::TempFolder().path;
    ASSERT_FALSE(tempFolder_.empty());
    QObject::connect(&objDOSB_, &runner::DOSOutputs::ReceiveOutputs,
                     [this](const std::string& piece) { dosBox_ += piece; });
  }

  // The engine run of a series' step `number`, at 1 GB per measurement and 1 MB arrays.
  std::string RunEngine(int number) {
    dosBox_.clear();
    const session::EngineRun& run = session::EngineRuns().at(number - 1);
    objDOSB_.SetCommandLine(session::RunCommandLine(run, tempFolder_ + "/ram.exe", "1", 0) +
                            " -m1");
    objDOSB_.ExecuteCommand();
    return dosBox_;
  }

  std::string Stored(const std::string& section, const std::string& key) {
    return ini_.ReadIniValue(results::DataFilePath(tempFolder_), section, key);
  }

  Sandbox sandbox_;
  ScopedEnvironment temp_{"TEMP", sandbox_ / "temp"};
  std::string tempFolder_;
  runner::DOSOutputs objDOSB_;
  std::string dosBox_;
  state::ProgramState state_;
  settings::INIReadWrite ini_{state_};
  RecordedMessages messages_;
};

TEST_F(EngineEndToEnd, ABlockRunIsShownLoggedAndStored) {
  const char* const blocks[] = {"1", "2", "4", "8", "16", "32", "64", "128", "256", "512", "1024"};
  results::FigureStore store(ini_, tempFolder_);

  const std::string first = RunEngine(1);
  ASSERT_EQ(messages_.Texts(), std::vector<std::string>{});
  const results::CacheResults shown = results::LogCache(first, 0, 1, store, kEnglish);
  EXPECT_FALSE(shown.readColumn);

  std::string expectedPattern;
  for (std::size_t k = 0; k < 16; ++k) {
    ASSERT_EQ(shown.fields[k].has_value(), k < std::size(blocks)) << "row " << k + 1;
  }
  for (std::size_t k = 0; k < std::size(blocks); ++k) {
    const std::string key = std::string(blocks[k]) + " Kb";
    const std::string stored = Stored("Integer1", key);
    EXPECT_TRUE(std::regex_match(stored, std::regex("[1-9][0-9]*"))) << key << ": " << stored;
    EXPECT_NE(first.find(key + " block: " + stored + " Bps"), std::string::npos)
        << "stored as the engine printed it: " << key;
    EXPECT_TRUE(std::regex_match(*shown.fields[k],
                                 std::regex("[1-9][0-9]{0,2}(,[0-9]{3})* Bps \\([0-9,]+ [GM]B\\)")))
        << *shown.fields[k];
    expectedPattern +=
        "Write " + std::string(blocks[k]) + " KB: [0-9,]+ Bps \\([0-9,]+ [GM]B\\)\r\n";
  }
  EXPECT_TRUE(std::regex_match(shown.log, std::regex(expectedPattern))) << shown.log;

  // The next run compares with the figures just stored.
  const results::CacheResults again = results::LogCache(RunEngine(1), 0, 1, store, kEnglish);
  ASSERT_TRUE(again.fields[0].has_value());
  EXPECT_TRUE(
      std::regex_search(*again.fields[0], std::regex(" \\[-?[0-9,]+[MK]B -?[0-9]+\\.[0-9]%\\]$")))
      << *again.fields[0];
}

TEST_F(EngineEndToEnd, AMemoryRunIsStoredUnderItsRowPrefix) {
  results::FigureStore store(ini_, tempFolder_);
  const session::EngineRun& run = session::EngineRuns().at(12);  // -b3, the integer memory test
  ASSERT_EQ(run.routine, session::ResultRoutine::LogMEM);
  const results::MemoryResults shown =
      results::LogMEM(RunEngine(13), run.argument, store, kEnglish);
  ASSERT_EQ(messages_.Texts(), std::vector<std::string>{});
  for (const char* subtest : {"Copy", "Scale", "Add", "Triad", "Average"}) {
    EXPECT_TRUE(std::regex_match(Stored("MEM Test", std::string("Interger ") + subtest),
                                 std::regex("[1-9][0-9]*(\\.[0-9]+)?")))
        << subtest;
  }
  EXPECT_TRUE(std::regex_match(shown.log, std::regex("Copy: [0-9,]+ Bps \\([0-9,]+ [GM]B\\)\r\n"
                                                     "Scale: .*\r\nAdd: .*\r\nTriad: .*\r\n"
                                                     "Average: .*\r\n")))
      << shown.log;
}

TEST_F(EngineEndToEnd, AnEngineErrorLineGivesNoFigures) {
  results::FigureStore store(ini_, tempFolder_);
  dosBox_.clear();
  objDOSB_.ExecuteCommand(tempFolder_ + "/RAM.exe -b1 -g6 -m1");
  EXPECT_EQ(dosBox_, "\nERROR: invalid pass size\n");
  const results::CacheResults shown = results::LogCache(dosBox_, 0, 1, store, kEnglish);
  EXPECT_EQ(shown.log, "");
  EXPECT_EQ(Stored("Integer1", "1 Kb"), "");
}

}  // namespace
