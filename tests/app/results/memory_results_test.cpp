#include "memory_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "results_fixture.h"

namespace {

using results::MemoryResults;

class LogMemTest : public ::testing::Test, protected ResultsFixture {
 protected:
  MemoryResults Run(const std::string& output, int row) {
    return results::LogMEM(output, row, store, english);
  }
};

TEST_F(LogMemTest, FirstRunShowsFiguresWithoutBracketsOrTags) {
  const MemoryResults r = Run(Capture("ram_sse_nt_mem.txt"), 5);
  EXPECT_EQ(r.fields[0], "19,046,418,164 Bps (19 GB)");
  EXPECT_EQ(r.fields[2], "8,000,000,000 Bps (8 GB)");
  EXPECT_EQ(r.fields[4], "13,511,604,541 Bps (14 GB)");
  EXPECT_EQ(r.log,
            "Copy: 19,046,418,164 Bps (19 GB)\r\n"
            "Scale: 19,000,000,000 Bps (19 GB)\r\n"
            "Add: 8,000,000,000 Bps (8 GB)\r\n"
            "Triad: 7,999,999,999 Bps (8 GB)\r\n"
            "Average: 13,511,604,541 Bps (14 GB)\r\n");
  EXPECT_EQ(Stored("MEM Test", "SSE NT Copy"), "19046418164");
  EXPECT_EQ(Stored("MEM Test", "SSE NT Average"), "13511604541");
}

TEST_F(LogMemTest, ComparedFiguresCarryTheirPrefetchTagTheAverageLogLineNone) {
  for (const char* key :
       {"SSE NT Copy", "SSE NT Scale", "SSE NT Add", "SSE NT Triad", "SSE NT Average"}) {
    ini.WriteIniValue(DataFile(), "MEM Test", key, "19085418164");
  }
  const MemoryResults r = Run(Capture("ram_sse_nt_mem.txt"), 5);
  EXPECT_EQ(r.fields[0], "19,046,418,164 Bps (19 GB) [-39MB -0.2%] NTA");
  EXPECT_EQ(r.fields[1], "19,000,000,000 Bps (19 GB) [-85MB -0.4%] NTA");
  EXPECT_EQ(r.fields[2], "8,000,000,000 Bps (8 GB) [-11,085MB -138.6%] T0");
  EXPECT_EQ(r.fields[3], "7,999,999,999 Bps (8 GB) [-11,085MB -138.6%] T0");
  EXPECT_EQ(r.fields[4], "13,511,604,541 Bps (14 GB) [-5,574MB -41.3%]");
  EXPECT_EQ(r.log,
            "Copy: 19,046,418,164 Bps (19 GB) [-39MB -0.2%] NTA\r\n"
            "Scale: 19,000,000,000 Bps (19 GB) [-85MB -0.4%] NTA\r\n"
            "Add: 8,000,000,000 Bps (8 GB) [-11,085MB -138.6%] T0\r\n"
            "Triad: 7,999,999,999 Bps (8 GB) [-11,085MB -138.6%] T0\r\n"
            "Average: 13,511,604,541 Bps (14 GB) [-5,574MB -41.3%]\r\n");
}

// Should an average line carry a tag, the field shows it and the log line leaves it off.
TEST_F(LogMemTest, TaggedAverageShowsTheTagOnlyInItsField) {
  ini.WriteIniValue(DataFile(), "MEM Test", "SSE NT Average", "1000");
  const MemoryResults r = Run("SSE (nt)  AVERAGE:   1000 Bps  [NTA]\n", 5);
  EXPECT_EQ(r.fields[4], "1,000 Bps (0 MB) [0KB 0.0%] NTA");
  EXPECT_EQ(r.log, "Average: 1,000 Bps (0 MB) [0KB 0.0%]\r\n");
}

TEST_F(LogMemTest, RowsStoreUnderTheirKeyPrefixes) {
  const struct {
    int row;
    const char* copyKey;
  } cases[] = {{0, "Interger Copy"}, {1, "Float Copy"},  {2, "MMX Copy"},
               {3, "SSE Copy"},      {4, "MMX NT Copy"}, {5, "SSE NT Copy"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.copyKey);
    std::filesystem::remove(DataFile());
    Run(Capture("ram_integer_mem.txt"), c.row);
    EXPECT_EQ(Stored("MEM Test", c.copyKey), "5123456789");
    settings::cINI section;
    section.SetPath(DataFile());
    section.SetSection("MEM Test");
    const std::string prefix(c.copyKey, std::string(c.copyKey).size() - 4);
    std::string names;
    for (const char* subtest : {"Copy", "Scale", "Add", "Triad", "Average"}) {
      names += prefix + subtest;
      names += '\0';
    }
    EXPECT_EQ(section.INISection(), names);
  }
}

// The MMX row stores under "Float"; the "MMX" entries belong to the SSE row and stay as they were.
TEST_F(LogMemTest, MmxRowLeavesTheMmxEntriesAlone) {
  ini.WriteIniValue(DataFile(), "MEM Test", "MMX Copy", "42");
  Run(Capture("ram_integer_mem.txt"), 1);
  EXPECT_EQ(Stored("MEM Test", "MMX Copy"), "42");
  EXPECT_EQ(Stored("MEM Test", "Float Copy"), "5123456789");
}

TEST_F(LogMemTest, EarlierBuildInMegabytesPerSecondWithLongTags) {
  ini.WriteIniValue(DataFile(), "MEM Test", "MMX NT Copy", "6000000000");
  ini.WriteIniValue(DataFile(), "MEM Test", "MMX NT Add", "7000000000");
  ini.WriteIniValue(DataFile(), "MEM Test", "MMX NT Average", "6000000000");
  const MemoryResults r = Run(Capture("pellisto_mmx_nt_mem.txt"), 4);
  EXPECT_EQ(r.fields[0], "6,000,500,000 Bps (6 GB) [500KB 0.0%] NTA");
  EXPECT_EQ(r.fields[1], "5,000,250,000 Bps (5 GB)");
  EXPECT_EQ(r.fields[2], "7,000,750,000 Bps (7 GB) [750KB 0.0%] T0");
  EXPECT_EQ(r.fields[4], "6,275,380,000 Bps (6 GB) [275MB 4.4%]");
  EXPECT_EQ(Stored("MEM Test", "MMX NT Copy"), "6000500000");
  EXPECT_EQ(Stored("MEM Test", "MMX NT Average"), "6275380000");
}

TEST_F(LogMemTest, NonFigureLinesAndErrorsStoreNothing) {
  const MemoryResults errors = Run("ERROR: no MMX+ support available\n\n---\n", 4);
  EXPECT_EQ(errors.log, "");
  EXPECT_FALSE(std::filesystem::exists(DataFile()));

  // A line holding a subtest word but no figure is shown as it is.
  const MemoryResults odd = Run("INTEGER   Copy:      (measurement failed)\n", 0);
  EXPECT_EQ(odd.fields[0], "(measurement failed)");
  EXPECT_EQ(odd.log, "Copy: (measurement failed)\r\n");
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

// With several runs every subtest line is processed in turn; the last one stays in the field.
TEST_F(LogMemTest, RepeatedSubtestLinesAreEachProcessed) {
  const MemoryResults r =
      Run("Benchmark #1:\nINTEGER   Copy:      1000 Bps\n"
          "Benchmark #2:\nINTEGER   Copy:      3000 Bps\n",
          0);
  EXPECT_EQ(r.log, "Copy: 1,000 Bps (0 MB)\r\nCopy: 3,000 Bps (0 MB) [2KB 66.7%]\r\n");
  EXPECT_EQ(r.fields[0], "3,000 Bps (0 MB) [2KB 66.7%]");
  EXPECT_EQ(Stored("MEM Test", "Interger Copy"), "3000");
}

TEST_F(LogMemTest, RowOutsideThePageChangesNothing) {
  for (int row : {-1, 6}) {
    EXPECT_EQ(Run(Capture("ram_integer_mem.txt"), row).log, "");
  }
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

}  // namespace
