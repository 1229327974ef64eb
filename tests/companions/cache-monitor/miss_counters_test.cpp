#include "miss_counters.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "cache_sampler.h"
#include "fake_counters.h"
#include "perf_counter_backend.h"
#include "processor_list.h"

namespace {

using namespace cachemonitor;
using namespace std::chrono_literals;

constexpr CacheCounter kL1 = CacheCounter::kLevel1Data;
constexpr CacheCounter kLL = CacheCounter::kLastLevel;

const std::string kAbsentLine =
    "No hardware cache counters: this processor or virtual machine does not offer them; showing "
    "the read sweeps alone.";

TEST(MissRates, WithoutCountersOneLineSaysWhyAndTheSweepsGoOn) {
  CacheSampler sampler({4096, 8192, 16384, 16384}, FakeCounterBackend::Absent(), SteadyNow, 1ms);
  EXPECT_FALSE(sampler.counters().Available());
  EXPECT_EQ(sampler.counters().StatusLine(), kAbsentLine);
  for (int i = 0; i < 2; ++i) {
    const CacheSample sample = sampler.Sample();
    EXPECT_FALSE(sample.missRates.level1Data);
    EXPECT_FALSE(sample.missRates.lastLevel);
    for (const auto& rate : sample.bytesPerSecond) {
      ASSERT_TRUE(rate);
      EXPECT_GT(*rate, 0);
    }
  }
}

TEST(MissRates, ACounterMissingOnOneProcessorIsClosedOnAll) {
  auto state = std::make_shared<FakeCounterState>();
  state->failures[{kLL, 1}] = "no such event";
  MissRateMonitor monitor(std::make_unique<FakeCounterBackend>(state));
  EXPECT_TRUE(monitor.Counts(kL1));
  EXPECT_FALSE(monitor.Counts(kLL));
  EXPECT_TRUE(monitor.Available());
  EXPECT_EQ(monitor.StatusLine(), "No last-level cache counter: no such event.");
  EXPECT_EQ(state->open.size(), 2u) << "the level-1 counters of both processors stay open";
}

TEST(MissRates, MissesPerAccessOfAllProcessorsBetweenRestartAndSample) {
  auto state = std::make_shared<FakeCounterState>();
  MissRateMonitor monitor(std::make_unique<FakeCounterBackend>(state));
  EXPECT_EQ(monitor.StatusLine(), "");
  EXPECT_FALSE(monitor.Sample().level1Data) << "no interval before the first sample";

  state->counts[{kL1, 0}] = {1000, 10};
  state->counts[{kL1, 1}] = {3000, 30};
  state->counts[{kLL, 0}] = {200, 50};
  state->counts[{kLL, 1}] = {200, 50};
  monitor.Restart();
  state->counts[{kL1, 0}] = {2000, 110};  // +1000 accesses, +100 misses
  state->counts[{kL1, 1}] = {6000, 130};  // +3000, +100
  state->counts[{kLL, 0}] = {300, 75};    // +100, +25
  state->counts[{kLL, 1}] = {200, 50};    // nothing
  const MissRates rates = monitor.Sample();
  EXPECT_DOUBLE_EQ(*rates.level1Data, 200.0 / 4000.0);
  EXPECT_DOUBLE_EQ(*rates.lastLevel, 25.0 / 100.0);

  // No access in the interval: no rate rather than a division by zero.
  EXPECT_FALSE(monitor.Sample().level1Data);
}

TEST(MissRates, AnUnreadableCounterGivesNoRateUntilTwoReadsSucceed) {
  auto state = std::make_shared<FakeCounterState>();
  MissRateMonitor monitor(std::make_unique<FakeCounterBackend>(state));
  state->counts[{kL1, 0}] = {100, 1};
  monitor.Restart();
  state->counts[{kL1, 0}] = {200, 2};
  state->unreadable.insert({kL1, 1});
  EXPECT_FALSE(monitor.Sample().level1Data);
  state->unreadable.clear();
  EXPECT_FALSE(monitor.Sample().level1Data);
  state->counts[{kL1, 0}] = {300, 12};
  EXPECT_DOUBLE_EQ(*monitor.Sample().level1Data, 0.1);
}

TEST(MissRates, ClosesEveryCounterItOpened) {
  auto state = std::make_shared<FakeCounterState>();
  state->processors = {0, 1, 2, 3};
  { MissRateMonitor monitor(std::make_unique<FakeCounterBackend>(state)); }
  EXPECT_TRUE(state->open.empty());
}

TEST(MissRates, TheKernelsCountersOnThisMachineOpenOrSayWhyNot) {
  MissRateMonitor monitor(MakePerfCounterBackend());
  if (monitor.Available()) {
    monitor.Restart();
    monitor.Sample();
  } else {
    EXPECT_EQ(monitor.StatusLine().rfind("No hardware cache counters: ", 0), 0u)
        << monitor.StatusLine();
  }
  EXPECT_EQ(MakePerfCounterBackend()->Processors().size(),
            static_cast<std::size_t>(::sysconf(_SC_NPROCESSORS_ONLN)));
}

TEST(ProcessorList, ReadsTheKernelsRanges) {
  const struct {
    const char* text;
    std::optional<std::vector<int>> processors;
  } cases[] = {
      {"0\n", std::vector<int>{0}},
      {"0-3", std::vector<int>{0, 1, 2, 3}},
      {"0-1,4,6-7\n", std::vector<int>{0, 1, 4, 6, 7}},
      {"", std::nullopt},
      {"0-", std::nullopt},
      {"3-1", std::nullopt},
      {"1,0", std::nullopt},
      {"0,,1", std::nullopt},
      {"a-b", std::nullopt},
      {"0-99999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseProcessorList(c.text), c.processors);
  }
}

}  // namespace
