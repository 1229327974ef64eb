// Pass counts, credited volumes, kernel choice and output of the benchmark runs, with recording
// kernels in place of the measured ones. A recording kernel takes far below a millisecond, so
// every figure is the credited volume over the one millisecond a shorter measurement is credited.
#include "benchmark_runs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "captured_output.h"
#include "engine_process.h"

namespace {

using engine::BlockBenchmark;
using engine::MemoryBenchmark;
using engine::RunSettings;
using engine_test::CapturedOutput;
using engine_test::splitLines;

constexpr std::uint64_t kNanosecondCounter = 1000000000u;

struct Call {
  std::string kernel;
  std::size_t bytes;
  std::uint32_t passes;
  std::uintptr_t firstAddress;
};

std::vector<Call> calls;

void recordBlock(void* block, std::size_t bytes, std::uint32_t passes) {
  calls.push_back({"block", bytes, passes, reinterpret_cast<std::uintptr_t>(block)});
}

template <const char* Name>
void recordMemory(const engine::Arrays& arrays, std::size_t bytes, std::uint32_t passes) {
  calls.push_back({Name, bytes, passes, reinterpret_cast<std::uintptr_t>(arrays.a)});
}

void noFill(const engine::Arrays&, std::size_t, int) {}

constexpr char kCopy[] = "copy", kScale[] = "scale", kAdd[] = "add", kTriad[] = "triad";
constexpr char kT0Copy[] = "T0 copy", kT0Scale[] = "T0 scale", kT0Add[] = "T0 add",
               kT0Triad[] = "T0 triad";

const engine::MemoryKernels kRecording = {noFill, recordMemory<kCopy>, recordMemory<kScale>,
                                          recordMemory<kAdd>, recordMemory<kTriad>};
const engine::MemoryKernels kRecordingT0 = {noFill, recordMemory<kT0Copy>, recordMemory<kT0Scale>,
                                            recordMemory<kT0Add>, recordMemory<kT0Triad>};

const BlockBenchmark kBlock = {1, "INTEGER & WRITING ", engine::Feature::None,
                               engine::Placement::PageAligned, nullptr, recordBlock};

MemoryBenchmark memoryBenchmark(bool nonTemporal, bool repeatCopy) {
  return {3,       "INTEGER   ", "INTEGER BatchRun   ", "INTmem", engine::Feature::None,
          engine::Placement::Separate, &kRecording, nonTemporal ? &kRecordingT0 : nullptr,
          false,   repeatCopy};
}

RunSettings settings(std::uint32_t gigabytes, std::uint32_t arrayKilobytes) {
  RunSettings s;
  s.passGigabytes = gigabytes;
  s.arrayKilobytes = arrayKilobytes;
  return s;
}

class BenchmarkRuns : public testing::Test {
 protected:
  void SetUp() override { calls.clear(); }
};

TEST_F(BenchmarkRuns, EveryBlockSizeMovesThePassVolume) {
  CapturedOutput text;
  engine::Output out(text.file(), engine::Edition::Current, false);
  ASSERT_EQ(engine::runBlockBenchmark(kBlock, settings(1, 32768), kNanosecondCounter, out), 0);

  ASSERT_EQ(calls.size(), 16u);
  EXPECT_EQ(calls.front().bytes, 1024u);
  EXPECT_EQ(calls.front().passes, 1048576u);
  EXPECT_EQ(calls.back().bytes, 32768u * 1024);
  EXPECT_EQ(calls.back().passes, 32u);
  for (const Call& call : calls) {
    EXPECT_EQ(std::uint64_t(call.bytes) * call.passes, std::uint64_t(1) << 30);
    EXPECT_EQ(call.firstAddress % 4096, 0u);
  }
  const std::vector<std::string> lines = splitLines(text.text());
  ASSERT_EQ(lines.size(), 16u);
  // 1024 MB credited per block size, over one millisecond.
  EXPECT_EQ(lines[0], "INTEGER & WRITING         1 Kb block: 1073741824000 Bps");
  EXPECT_EQ(lines[15], "INTEGER & WRITING     32768 Kb block: 1073741824000 Bps");
}

TEST_F(BenchmarkRuns, DefaultMemoryRunMakes256PassesAndCreditsTwoOrThreeArrays) {
  CapturedOutput text;
  engine::Output out(text.file(), engine::Edition::Current, true);
  ASSERT_EQ(engine::runMemoryBenchmark(memoryBenchmark(false, false), settings(8, 32768),
                                       kNanosecondCounter, out),
            0);

  ASSERT_EQ(calls.size(), 4u);
  const char* const order[] = {kCopy, kScale, kAdd, kTriad};
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].kernel, order[i]);
    EXPECT_EQ(calls[i].passes, 256u);
    EXPECT_EQ(calls[i].bytes, 32768u * 1024);
  }
  // Under -r the figure is binary megabytes per second: 16384 MB and 24576 MB in one millisecond.
  EXPECT_EQ(text.text(),
            "INTEGER   Copy:      16384000 bps\n"
            "INTEGER   Scale:     16384000 bps\n"
            "INTEGER   Add:       24576000 bps\n"
            "INTEGER   Triad:     24576000 bps\n"
            "---\n"
            "INTEGER   AVERAGE:   20480000 bps\n"
            "\n");
}

TEST_F(BenchmarkRuns, PrefetchModeChoosesTheVariantOfEachSubtest) {
  const struct {
    std::uint32_t mode;
    std::vector<std::string> kernels;
  } cases[] = {
      {0, {"copy", "scale", "T0 add", "T0 triad"}},
      {1, {"copy", "scale", "add", "triad"}},
      {2, {"T0 copy", "T0 scale", "T0 add", "T0 triad"}},
  };
  for (const auto& c : cases) {
    calls.clear();
    CapturedOutput text;
    engine::Output out(text.file(), engine::Edition::Current, false);
    RunSettings s = settings(1, 1024);
    s.prefetchMode = c.mode;
    ASSERT_EQ(engine::runMemoryBenchmark(memoryBenchmark(true, false), s, kNanosecondCounter, out),
              0);
    std::vector<std::string> kernels;
    for (const Call& call : calls) kernels.push_back(call.kernel);
    EXPECT_EQ(kernels, c.kernels) << "mode " << c.mode;
  }
}

TEST_F(BenchmarkRuns, RepeatedCopyIsMeasuredTwiceInEveryRun) {
  CapturedOutput text;
  engine::Output out(text.file(), engine::Edition::Current, false);
  RunSettings s = settings(1, 1024);
  s.runs = 2;
  ASSERT_EQ(engine::runMemoryBenchmark(memoryBenchmark(true, true), s, kNanosecondCounter, out), 0);
  std::vector<std::string> kernels;
  for (const Call& call : calls) kernels.push_back(call.kernel);
  const std::vector<std::string> oneRun = {"copy", "copy", "scale", "T0 add", "T0 triad"};
  std::vector<std::string> twoRuns = oneRun;
  twoRuns.insert(twoRuns.end(), oneRun.begin(), oneRun.end());
  EXPECT_EQ(kernels, twoRuns);
}

TEST_F(BenchmarkRuns, BatchRunAveragesEverySubtestOverTheRuns) {
  CapturedOutput text;
  engine::Output out(text.file(), engine::Edition::Earlier, true);
  RunSettings s = settings(1, 1024);
  s.runs = 3;
  ASSERT_EQ(engine::runMemoryBenchmark(memoryBenchmark(false, false), s, kNanosecondCounter, out),
            0);
  const std::vector<std::string> lines = splitLines(text.text());
  ASSERT_EQ(lines.size(), 2u + 3 * 8 + 6);
  EXPECT_EQ(lines[0], "3-benchmark INTmem BatchRun mode");
  EXPECT_EQ(lines.end()[-6], "INTEGER BatchRun   Copy:      2048000.00 Mb/s");
  EXPECT_EQ(lines.end()[-3], "INTEGER BatchRun   Triad:     3072000.00 Mb/s");
  EXPECT_EQ(lines.back(), "INTEGER BatchRun   AVERAGE:   2560000.00 Mb/s");
}

TEST(Rate, CreditedVolumeOverElapsedMilliseconds) {
  CapturedOutput text;
  const struct {
    engine::Edition edition;
    bool binary;
    double expected;
  } cases[] = {
      {engine::Edition::Current, false, 8589934592.0},  // bytes per second
      {engine::Edition::Current, true, 8192.0},         // binary megabytes per second
      {engine::Edition::Earlier, false, 8589.934592},   // decimal megabytes per second
      {engine::Edition::Earlier, true, 8192.0},
  };
  for (const auto& c : cases) {
    const engine::Output out(text.file(), c.edition, c.binary);
    EXPECT_DOUBLE_EQ(out.rate(8192, 1000), c.expected);
    EXPECT_DOUBLE_EQ(out.rate(8192, 0), c.expected * 1000) << "below a millisecond";
  }
}

}  // namespace
