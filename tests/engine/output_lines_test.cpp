// Every benchmark's lines, byte for byte but for the figures, from real runs at the smallest
// volumes (1 GB per measurement, 1 MB arrays).
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "engine_process.h"

namespace {

using engine_test::ProcessResult;
using engine_test::runProcess;
using engine_test::splitLines;

const std::string kEngine = RAM_ENGINE_PATH;
const std::string kEarlierEngine = PELLISTO_ENGINE_PATH;

// A line as it must read: `before`, then a figure, then `after`.
struct Expected {
  std::string before;
  std::string after;
  bool figure = true;
};

Expected plain(const std::string& line) { return {line, "", false}; }

void expectLines(const std::vector<std::string>& lines, const std::vector<Expected>& expected,
                 const std::string& figurePattern, const std::string& what) {
  ASSERT_EQ(lines.size(), expected.size()) << what;
  const std::regex figure(figurePattern);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Expected& e = expected[i];
    const std::string& line = lines[i];
    if (!e.figure) {
      EXPECT_EQ(line, e.before) << what << ", line " << i;
      continue;
    }
    const bool framed = line.size() >= e.before.size() + e.after.size() &&
                        line.compare(0, e.before.size(), e.before) == 0 &&
                        line.compare(line.size() - e.after.size(), e.after.size(), e.after) == 0;
    ASSERT_TRUE(framed) << what << ", line " << i << ": \"" << line << "\" expected \"" << e.before
                        << "<figure>" << e.after << "\"";
    const std::string number =
        line.substr(e.before.size(), line.size() - e.before.size() - e.after.size());
    EXPECT_TRUE(std::regex_match(number, figure)) << what << ", line " << i << ": " << line;
  }
}

struct BlockCase {
  int id;
  const char* label;
};

const BlockCase kBlockCases[] = {
    {1, "INTEGER & WRITING "}, {2, "INTEGER & READING "}, {4, "FL-POINT & WRITING"},
    {5, "FL-POINT & READING"}, {7, "MMX & WRITING     "}, {8, "MMX & READING     "},
    {10, "SSE & WRITING     "}, {11, "SSE & READING     "}, {13, "MMX (nt) & WRITING"},
    {14, "MMX (nt) & READING"}, {16, "SSE (nt) & WRITING"}, {17, "SSE (nt) & READING"},
};

std::vector<Expected> blockLines(const char* label, const char* after) {
  std::vector<Expected> lines;
  for (unsigned kilobytes = 1; kilobytes <= 1024; kilobytes *= 2) {
    char before[64];
    std::snprintf(before, sizeof before, "%s %8u Kb block: ", label, kilobytes);
    lines.push_back({before, after});
  }
  return lines;
}

class BlockOutputTest : public testing::TestWithParam<BlockCase> {};

TEST_P(BlockOutputTest, OneLinePerBlockSizeUpToTheArraySize) {
  const BlockCase& c = GetParam();
  const ProcessResult result = runProcess(kEngine, {"-b" + std::to_string(c.id), "-g1", "-m1"});
  ASSERT_EQ(result.exitCode, 0) << result.out;
  expectLines(splitLines(result.out), blockLines(c.label, " Bps"), "[1-9][0-9]*", c.label);
}

INSTANTIATE_TEST_SUITE_P(EveryBlockBenchmark, BlockOutputTest, testing::ValuesIn(kBlockCases));

struct MemoryCase {
  int id;
  const char* prefix;
  const char* batchPrefix;
  const char* keyword;
  bool tagged;
  bool blankAfterBatch;
};

const MemoryCase kMemoryCases[] = {
    {3, "INTEGER   ", "INTEGER BatchRun   ", "INTmem", false, false},
    {6, "FL-POINT  ", "FL-POINT BatchRun  ", "FLOATmem", false, false},
    {9, "MMX       ", "MMX BatchRun       ", "MMXmem", false, false},
    {12, "SSE       ", "SSE BatchRun       ", "SSEmem", false, true},
    {15, "MMX (nt)  ", "MMX (nt) BatchRun  ", "MMXmem (non-temporal)", true, true},
    {18, "SSE (nt)  ", "SSE (nt) BatchRun  ", "SSEmem (non-temporal)", true, true},
};

const char* const kSubtests[] = {"Copy:      ", "Scale:     ", "Add:       ", "Triad:     "};

// The prefetch tags of Copy, Scale, Add and Triad in prefetch modes 0, 1 and 2.
const char* const kTags[3][4] = {
    {"  [NTA]", "  [NTA]", "  [T0]", "  [T0]"},
    {"  [NTA]", "  [NTA]", "  [NTA]", "  [NTA]"},
    {"  [T0]", "  [T0]", "  [T0]", "  [T0]"},
};

void appendSummary(std::vector<Expected>& lines, const MemoryCase& c, const std::string& prefix,
                   int mode, const std::string& unit) {
  for (int subtest = 0; subtest < 4; ++subtest) {
    lines.push_back({prefix + kSubtests[subtest], unit + (c.tagged ? kTags[mode][subtest] : "")});
  }
  lines.push_back(plain("---"));
  lines.push_back({prefix + "AVERAGE:   ", unit});
}

std::vector<Expected> memoryLines(const MemoryCase& c, int runs, int mode,
                                  const std::string& unit = " Bps") {
  std::vector<Expected> lines;
  if (runs > 1) {
    lines.push_back(plain(std::to_string(runs) + "-benchmark " + c.keyword + " BatchRun mode"));
    lines.push_back(plain(""));
  }
  for (int r = 1; r <= runs; ++r) {
    if (runs > 1) lines.push_back(plain("Benchmark #" + std::to_string(r) + ":"));
    appendSummary(lines, c, c.prefix, mode, unit);
    lines.push_back(plain(""));
  }
  if (runs > 1) {
    appendSummary(lines, c, c.batchPrefix, mode, unit);
    if (c.blankAfterBatch) lines.push_back(plain(""));
  }
  return lines;
}

class MemoryOutputTest : public testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryOutputTest, OneRun) {
  const MemoryCase& c = GetParam();
  const ProcessResult result = runProcess(kEngine, {"-b" + std::to_string(c.id), "-g1", "-m1"});
  ASSERT_EQ(result.exitCode, 0) << result.out;
  expectLines(splitLines(result.out), memoryLines(c, 1, 0), "[1-9][0-9]*", c.prefix);
}

INSTANTIATE_TEST_SUITE_P(EveryMemoryBenchmark, MemoryOutputTest, testing::ValuesIn(kMemoryCases));

TEST(MemoryOutput, BatchRunWithoutTrailingBlankLine) {
  const MemoryCase& integer = kMemoryCases[0];
  const ProcessResult result = runProcess(kEngine, {"-b3", "-g1", "-m1", "-l", "2"});
  ASSERT_EQ(result.exitCode, 0);
  expectLines(splitLines(result.out), memoryLines(integer, 2, 0), "[1-9][0-9]*", "id 3");
}

TEST(MemoryOutput, BatchRunWithTagsAndTrailingBlankLine) {
  const MemoryCase& mmxNonTemporal = kMemoryCases[4];
  const ProcessResult result = runProcess(kEngine, {"-b15", "-g1", "-m1", "-l2", "-t1"});
  ASSERT_EQ(result.exitCode, 0);
  expectLines(splitLines(result.out), memoryLines(mmxNonTemporal, 2, 1), "[1-9][0-9]*", "id 15");
  ASSERT_FALSE(result.out.empty());
  EXPECT_EQ(result.out.substr(result.out.size() - 2), "\n\n");
}

TEST(MemoryOutput, RunsBelowOneAreOneRun) {
  for (const char* runs : {"-l0", "-l-5"}) {
    const ProcessResult result = runProcess(kEngine, {"-b3", "-g1", "-m1", runs});
    ASSERT_EQ(result.exitCode, 0);
    expectLines(splitLines(result.out), memoryLines(kMemoryCases[0], 1, 0), "[1-9][0-9]*", runs);
  }
}

TEST(MemoryOutput, PrefetchModeTwoTagsEverySubtestT0) {
  const ProcessResult result = runProcess(kEngine, {"-b18", "-g1", "-m1", "-t2"});
  ASSERT_EQ(result.exitCode, 0);
  expectLines(splitLines(result.out), memoryLines(kMemoryCases[5], 1, 2), "[1-9][0-9]*", "id 18");
}

TEST(BinaryUnits, BlockAndMemoryLinesEndInBps) {
  const ProcessResult block = runProcess(kEngine, {"-b2", "-g1", "-m1", "-r"});
  ASSERT_EQ(block.exitCode, 0);
  expectLines(splitLines(block.out), blockLines("INTEGER & READING ", " bps"), "[1-9][0-9]*",
              "id 2 -r");
  const ProcessResult memory = runProcess(kEngine, {"-r", "-b12", "-g1", "-m1"});
  ASSERT_EQ(memory.exitCode, 0);
  expectLines(splitLines(memory.out), memoryLines(kMemoryCases[3], 1, 0, " bps"), "[1-9][0-9]*",
              "id 12 -r");
}

TEST(EarlierBuild, MegabytesPerSecondWithBannerAndPrefetchNames) {
  const ProcessResult block = runProcess(kEarlierEngine, {"-b11", "-g1", "-m1"});
  ASSERT_EQ(block.exitCode, 0);
  std::vector<std::string> lines = splitLines(block.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_NE(lines[0].find("pellisto-win32"), std::string::npos);
  EXPECT_EQ(lines[1], "1Gb per pass mode");
  EXPECT_EQ(lines[2], "");
  lines.erase(lines.begin(), lines.begin() + 3);
  expectLines(lines, blockLines("SSE & READING     ", " MB/s"), "[0-9]+\\.[0-9]{2}", "id 11");

  const ProcessResult memory = runProcess(kEarlierEngine, {"-b18", "-g1", "-m1", "-r"});
  ASSERT_EQ(memory.exitCode, 0);
  lines = splitLines(memory.out);
  ASSERT_GE(lines.size(), 3u);
  lines.erase(lines.begin(), lines.begin() + 3);
  std::vector<Expected> expected = memoryLines(kMemoryCases[5], 1, 0, " Mb/s");
  for (Expected& line : expected) {
    if (line.after == " Mb/s  [NTA]") line.after = " Mb/s  [NTA prefetch]";
    if (line.after == " Mb/s  [T0]") line.after = " Mb/s  [T0 prefetch]";
  }
  expectLines(lines, expected, "[0-9]+\\.[0-9]{2}", "id 18 -r");
}

}  // namespace
