// The repeats of a point: how the count is calibrated, and what the runs are summed up to.
#include "statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "repeats.h"

namespace vbench {
namespace {

TEST(Statistics, BestMedianAndCoefficientOfVariation) {
  const Summary rates = summarize({4, 1, 3, 2}, Better::Higher);
  EXPECT_EQ(rates.best, 4);
  EXPECT_EQ(rates.median, 2.5);
  EXPECT_NEAR(rates.cv, std::sqrt(5.0 / 3.0) / 2.5, 1e-12);
  const Summary times = summarize({5, 9, 7}, Better::Lower);
  EXPECT_EQ(times.best, 5);
  EXPECT_EQ(times.median, 7);
  EXPECT_NEAR(times.cv, 2.0 / 7.0, 1e-12);
  const Summary one = summarize({3}, Better::Higher);
  EXPECT_EQ(one.best, 3);
  EXPECT_EQ(one.median, 3);
  EXPECT_EQ(one.cv, 0);
}

// A run whose time is proportional to its count: the calibration must reach the minimum time
// with a multiple of the unit, warm up at that count, and take the clock with the repeats only.
TEST(Repeats, CalibrateInWholeUnitsThenRepeatWithTheClock) {
  std::vector<std::uint64_t> counts;
  std::vector<bool> clocks;
  const TimedRun run = [&](std::uint64_t count, bool withClock) {
    counts.push_back(count);
    clocks.push_back(withClock);
    return RunTime{double(count) * 1e-6, withClock ? 3e9 : 0};
  };
  const Repeats repeats = measureRepeats(run, 64, 0.01, 3);
  EXPECT_EQ(repeats.count % 64, 0u);
  EXPECT_GE(double(repeats.count) * 1e-6, 0.01);
  EXPECT_LT(double(repeats.count) * 1e-6, 0.04) << "overshoots the minimum time";
  ASSERT_EQ(repeats.runs.size(), 3u);
  for (const RunTime& time : repeats.runs) EXPECT_EQ(time.clockHz, 3e9);
  ASSERT_GE(counts.size(), 5u);
  EXPECT_EQ(counts[counts.size() - 4], repeats.count) << "the warm-up runs at the final count";
  EXPECT_FALSE(clocks[counts.size() - 4]);
  EXPECT_LT(counts.size(), 12u) << "too many calibration steps";
}

TEST(Repeats, RunTooShortToTimeGrowsTheCount) {
  std::uint64_t calls = 0;
  const TimedRun run = [&](std::uint64_t count, bool) {
    ++calls;
    return RunTime{count < 1000000 ? 0.0 : 0.02, 0};
  };
  const Repeats repeats = measureRepeats(run, 1, 0.01, 1);
  EXPECT_GE(repeats.count, 1000000u);
  EXPECT_LE(calls, 4u);
}

}  // namespace
}  // namespace vbench
