#include "memory_sampler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "memory_text.h"
#include "proc_fixture.h"

namespace {

using namespace memorymonitor;
using namespace std::chrono_literals;

// Two seconds pass between readings.
Clock TwoSecondSteps() {
  auto now = std::make_shared<std::chrono::nanoseconds>(0s);
  return [now] { return *now += 2s; };
}

TEST(MemorySampler, RatesFromTheSecondSampleOn) {
  ProcFixture proc;
  MemorySampler sampler(proc.root(), TwoSecondSteps(), 4096);
  const MemorySample first = sampler.Sample();
  ASSERT_TRUE(first.memory);
  EXPECT_EQ(first.memory->total, std::uint64_t{16303284} * 1024);
  EXPECT_FALSE(first.rates.pageFaults);
  EXPECT_EQ(first.top.processes.size(), 10u);
  EXPECT_EQ(first.top.unreadable, 2);
  EXPECT_EQ(first.problem, "");

  WriteFile(proc / "vmstat", "pswpin 1456\npswpout 3400\npgfault 15988736\npgmajfault 3009\n");
  const MemorySample second = sampler.Sample();
  EXPECT_DOUBLE_EQ(*second.rates.pageFaults, 1250);
  EXPECT_DOUBLE_EQ(*second.rates.majorPageFaults, 5);
  EXPECT_DOUBLE_EQ(*second.rates.swapInBytes, 256 * 4096 / 2.0);
  EXPECT_DOUBLE_EQ(*second.rates.swapOutBytes, 0);
}

TEST(MemorySampler, SaysWhatItCannotRead) {
  ProcFixture proc;
  MemorySampler sampler(proc.root(), TwoSecondSteps(), 4096);
  sampler.Sample();
  std::filesystem::remove(proc / "meminfo");
  std::filesystem::remove(proc / "vmstat");
  const MemorySample unreadable = sampler.Sample();
  EXPECT_FALSE(unreadable.memory);
  EXPECT_FALSE(unreadable.rates.pageFaults);
  EXPECT_EQ(unreadable.problem,
            "Cannot read " + proc / "meminfo" + ". Cannot read " + proc / "vmstat" + ".");
  EXPECT_EQ(unreadable.top.processes.size(), 10u) << "the processes are still listed";

  WriteFile(proc / "meminfo", "MemTotal: lots\n");
  WriteFile(proc / "vmstat", "pgfault 1\n");
  const MemorySample malformed = sampler.Sample();
  EXPECT_FALSE(malformed.memory);
  EXPECT_FALSE(malformed.rates.pageFaults) << "no rate across the gap";
  EXPECT_EQ(malformed.problem, proc / "meminfo" + " lacks figures or holds malformed ones.");
}

TEST(MemorySampler, SamplesThisMachine) {
  MemorySampler sampler;
  sampler.Sample();
  const MemorySample sample = sampler.Sample();
  ASSERT_TRUE(sample.memory) << sample.problem;
  EXPECT_GT(sample.memory->total, sample.memory->Used());
  EXPECT_TRUE(sample.rates.pageFaults);
  EXPECT_FALSE(sample.top.processes.empty());
}

TEST(MemoryText, AmountsSharesAndRates) {
  EXPECT_EQ(MemoryText(0), "0 B");
  EXPECT_EQ(MemoryText(1023), "1023 B");
  EXPECT_EQ(MemoryText(512 * 1024), "512 KiB");
  EXPECT_EQ(MemoryText(std::uint64_t{734} * 1024 * 1024 + 200 * 1024), "734.2 MiB");
  EXPECT_EQ(MemoryText(std::uint64_t{16303284} * 1024), "15.55 GiB");
  EXPECT_EQ(ShareText(1, 8), "(12.5%)");
  EXPECT_EQ(ShareText(1, 0), "");
  EXPECT_EQ(EventRateText(1234567.4), "1,234,567/s");
  EXPECT_EQ(EventRateText(999.5), "1,000/s");
  EXPECT_EQ(EventRateText(0), "0/s");
  EXPECT_EQ(EventRateText(std::nullopt), "-");
  EXPECT_EQ(TransferRateText(0), "0 B/s");
  EXPECT_EQ(TransferRateText(524288), "512.0 KiB/s");
  EXPECT_EQ(TransferRateText(1.5 * 1024 * 1024), "1.5 MiB/s");
  EXPECT_EQ(TransferRateText(std::nullopt), "-");
}

}  // namespace
