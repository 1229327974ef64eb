#include "cache_results.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "results_fixture.h"

namespace {

using results::CacheResults;

const char* const kKeys[16] = {"1 Kb",    "2 Kb",    "4 Kb",     "8 Kb",    "16 Kb",   "32 Kb",
                               "64 Kb",   "128 Kb",  "256 Kb",   "512 Kb",  "1024 Kb", "2048 Kb",
                               "4096 Kb", "8192 Kb", "16384 Kb", "32768 Kb"};

class LogCacheTest : public ::testing::Test, protected ResultsFixture {
 protected:
  CacheResults Run(const std::string& output, int page, int rw) {
    return results::LogCache(output, page, rw, store, english);
  }
};

TEST_F(LogCacheTest, FirstWriteRunFillsSixteenFieldsLogAndStore) {
  const CacheResults r = Run(Capture("ram_integer_write.txt"), 0, 1);
  EXPECT_FALSE(r.readColumn);
  EXPECT_EQ(r.log, Capture("ram_integer_write.log"));
  EXPECT_EQ(r.fields[0], "19,046,418,164 Bps (19 GB)");
  EXPECT_EQ(r.fields[14], "1,000,000,000 Bps (1,000 MB)");
  EXPECT_EQ(r.fields[15], "999,499,999 Bps (999 MB)");
  for (int k = 0; k < 16; ++k) {
    EXPECT_TRUE(r.fields[k].has_value()) << "row " << k + 1;
    EXPECT_NE(Stored("Integer1", kKeys[k]), "") << kKeys[k];
  }
  EXPECT_EQ(Stored("Integer1", "1 Kb"), "19046418164");
  EXPECT_EQ(Stored("Integer1", "32768 Kb"), "999499999");
  EXPECT_EQ(Stored("Integer2", "1 Kb"), "");
}

TEST_F(LogCacheTest, LaterRunComparesWithTheStoredFigure) {
  ini.WriteIniValue(DataFile(), "Integer1", "1 Kb", "19085418164");
  ini.WriteIniValue(DataFile(), "Integer1", "2 Kb", "0");
  const CacheResults r = Run(Capture("ram_integer_write.txt"), 0, 1);
  EXPECT_EQ(r.fields[0], "19,046,418,164 Bps (19 GB) [-39MB -0.2%]");
  EXPECT_EQ(r.fields[1], "19,123,456,789 Bps (19 GB) [19,123MB 100.0%]");
  EXPECT_EQ(r.fields[2], "18,987,654,321 Bps (19 GB)");
  EXPECT_EQ(r.log.substr(0, r.log.find("\r\n") + 2),
            "Write 1 KB: 19,046,418,164 Bps (19 GB) [-39MB -0.2%]\r\n");
  EXPECT_EQ(Stored("Integer1", "1 Kb"), "19046418164");
}

TEST_F(LogCacheTest, ReadRunOfTheEarlierBuildInMegabytesPerSecond) {
  const CacheResults r = Run(Capture("pellisto_sse_nt_read.txt"), 5, 2);
  EXPECT_TRUE(r.readColumn);
  EXPECT_EQ(r.log, Capture("pellisto_sse_nt_read.log"));
  EXPECT_EQ(r.fields[0], "18,164,250,000 Bps (18 GB)");
  EXPECT_EQ(Stored("SSE NT2", "1 Kb"), "18164250000");
  EXPECT_EQ(Stored("SSE NT2", "32768 Kb"), "2500000000");
}

// " 4 Kb block" must not be found in "64 Kb block", nor " 1 Kb block" in "1024 Kb block".
TEST_F(LogCacheTest, EachBlockLineMatchesExactlyOneRow) {
  const std::string output =
      "MMX & READING            64 Kb block: 6400 Bps\n"
      "MMX & READING          1024 Kb block: 1024 Bps\n"
      "MMX & READING             4 Kb block: 400 Bps\n";
  const CacheResults r = Run(output, 2, 2);
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(r.fields[k].has_value(), k == 2 || k == 6 || k == 10) << "row " << k + 1;
  }
  EXPECT_EQ(r.fields[2], "400 Bps (0 MB)");
  EXPECT_EQ(r.fields[6], "6,400 Bps (0 MB)");
  EXPECT_EQ(r.log,
            "Read 64 KB: 6,400 Bps (0 MB)\r\nRead 1024 KB: 1,024 Bps (0 MB)\r\n"
            "Read 4 KB: 400 Bps (0 MB)\r\n");
  EXPECT_EQ(Stored("MMX2", "4 Kb"), "400");
}

TEST_F(LogCacheTest, OutputWithoutFiguresChangesNothing) {
  const char* outputs[] = {
      "",
      "ERROR: no SSE support available\n",
      "\r\nERROR: invalid pass size\r\n",
      "\n   \n\t\n",
  };
  for (const char* output : outputs) {
    SCOPED_TRACE(output);
    const CacheResults r = Run(output, 3, 1);
    EXPECT_EQ(r.log, "");
    for (const auto& field : r.fields) {
      EXPECT_FALSE(field.has_value());
    }
  }
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

// A block line without a figure in Bps is shown as it is; it must not store a figure, least of
// all the one of the line before it.
TEST_F(LogCacheTest, LineWithoutAFigureIsShownButNotStored) {
  const std::string output =
      "SSE & WRITING             1 Kb block: 5000 Bps\n"
      "SSE & WRITING             2 Kb block: -nan Bps\n"
      "SSE & WRITING             4 Kb block: 4096 Kbps?\n";
  const CacheResults r = Run(output, 3, 1);
  EXPECT_EQ(r.fields[1], "-nan Bps");
  EXPECT_EQ(r.fields[2], "4096 Kbps?");
  EXPECT_EQ(r.log,
            "Write 1 KB: 5,000 Bps (0 MB)\r\nWrite 2 KB: -nan Bps\r\nWrite 4 KB: 4096 Kbps?\r\n");
  EXPECT_EQ(Stored("SSE1", "1 Kb"), "5000");
  EXPECT_EQ(Stored("SSE1", "2 Kb"), "");
  EXPECT_EQ(Stored("SSE1", "4 Kb"), "");
}

TEST_F(LogCacheTest, ComparesWithAChosenFullTestAndStillStoresInDataDat) {
  const std::string compare = temp / "Speed Test 14.03.22 21 Sep 12.Tdv";
  WriteFile(compare, "[Float1]\r\n1 Kb=10000000000\r\n");
  ini.WriteIniValue(DataFile(), "Float1", "1 Kb", "1");
  state.CompareFilePath = compare;
  const CacheResults r = Run("FL-POINT & WRITING        1 Kb block: 12000000000 Bps\n", 1, 1);
  EXPECT_EQ(r.fields[0], "12,000,000,000 Bps (12 GB) [2,000MB 16.7%]");
  EXPECT_EQ(ReadFile(compare), "[Float1]\r\n1 Kb=10000000000\r\n");
  state.CompareFilePath.clear();
  EXPECT_EQ(Stored("Float1", "1 Kb"), "12000000000");
}

TEST_F(LogCacheTest, FullTestBeingRecordedReceivesEveryFigure) {
  const std::string fullTest = temp / "BENCH Speed Test 14.03.22 21 Sep 12.Tdv";
  state.FullTestFilePath = fullTest;
  Run(Capture("ram_integer_write.txt"), 0, 1);
  std::string expected = "[Integer1]\r\n";
  for (const char* key : kKeys) {
    expected += std::string(key) + "=" + Stored("Integer1", key) + "\r\n";
  }
  EXPECT_EQ(ReadFile(fullTest), expected);
}

TEST_F(LogCacheTest, PageOutsideTheFamiliesChangesNothing) {
  for (int page : {-1, 6}) {
    const CacheResults r = Run(Capture("ram_integer_write.txt"), page, 1);
    EXPECT_EQ(r.log, "");
  }
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

}  // namespace
