#include "vmstat.h"

#include <gtest/gtest.h>

#include "proc_file.h"
#include "proc_fixture.h"

namespace {

using namespace memorymonitor;

TEST(Vmstat, ReadsThePagingCounters) {
  for (const char* name : {"proc/vmstat", "vmstat/this-machine.txt"}) {
    SCOPED_TRACE(name);
    const VmCounters counters = ParseVmstat(ReadProcFile(kData + "/" + name).value());
    EXPECT_TRUE(counters.pageFaults && counters.majorPageFaults && counters.swappedInPages &&
                counters.swappedOutPages);
  }
  const VmCounters counters = ParseVmstat(ReadProcFile(kData + "/proc/vmstat").value());
  EXPECT_EQ(counters.pageFaults, 15986236u);
  EXPECT_EQ(counters.majorPageFaults, 2999u);
  EXPECT_EQ(counters.swappedInPages, 1200u);
  EXPECT_EQ(counters.swappedOutPages, 3400u);
}

TEST(Vmstat, MissingAndMalformedCountersAreAbsent) {
  const VmCounters counters =
      ParseVmstat("pgfault 12x\npgmajfault\npswpin -4\nnr_free_pages 5\npswpout  77 \n");
  EXPECT_FALSE(counters.pageFaults);
  EXPECT_FALSE(counters.majorPageFaults);
  EXPECT_FALSE(counters.swappedInPages);
  EXPECT_EQ(counters.swappedOutPages, 77u);
  EXPECT_FALSE(ParseVmstat("").pageFaults);
}

TEST(Vmstat, RatesPerSecondBetweenTwoReadings) {
  const VmCounters before{1000, 10, 100, 50};
  const VmCounters after{3500, 20, 356, 50};
  const VmRates rates = RatesBetween(before, after, 2.0, 4096);
  EXPECT_DOUBLE_EQ(*rates.pageFaults, 1250);
  EXPECT_DOUBLE_EQ(*rates.majorPageFaults, 5);
  EXPECT_DOUBLE_EQ(*rates.swapInBytes, 256 * 4096 / 2.0);
  EXPECT_DOUBLE_EQ(*rates.swapOutBytes, 0);
}

TEST(Vmstat, NoRateWithoutTimeOrWhenACounterWentBackOrIsMissing) {
  const VmCounters before{1000, 10, 100, std::nullopt};
  const VmCounters after{900, 10, 100, 60};
  const VmRates rates = RatesBetween(before, after, 1.0, 4096);
  EXPECT_FALSE(rates.pageFaults) << "went back";
  EXPECT_TRUE(rates.majorPageFaults);
  EXPECT_FALSE(rates.swapOutBytes) << "missing before";
  for (const double seconds : {0.0, -1.0}) {
    EXPECT_FALSE(RatesBetween(before, before, seconds, 4096).majorPageFaults) << seconds;
  }
}

}  // namespace
