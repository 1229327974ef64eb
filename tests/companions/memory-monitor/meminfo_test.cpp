#include "meminfo.h"

#include <gtest/gtest.h>

#include "proc_file.h"
#include "proc_fixture.h"

namespace {

using namespace memorymonitor;

constexpr std::uint64_t kKiB = 1024;

std::string Fixture(const std::string& name) { return ReadProcFile(kData + "/" + name).value(); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(Meminfo, ReadsTheFiguresAndDerivesUsedCacheAndSwap) {
  const std::optional<MemInfo> info = ParseMeminfo(Fixture("proc/meminfo"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->total, 16303284 * kKiB);
  EXPECT_EQ(info->free, 1203456 * kKiB);
  EXPECT_EQ(info->available, 9876544 * kKiB);
  EXPECT_FALSE(info->availableEstimated);
  EXPECT_EQ(info->Used(), (16303284 - 9876544) * kKiB);
  EXPECT_EQ(info->Cache(), (402112 + 7612340 + 512000) * kKiB);
  EXPECT_EQ(info->SwapUsed(), (2097148 - 1572860) * kKiB);
}

TEST(Meminfo, ReadsThisMachinesLayout) {
  const std::optional<MemInfo> info = ParseMeminfo(Fixture("meminfo/this-machine.txt"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->total, 24683692 * kKiB);
  EXPECT_EQ(info->SwapUsed(), 0u);
  EXPECT_EQ(info->Cache(), (5240 + 609076 + 73476) * kKiB);
}

TEST(Meminfo, EstimatesAvailableMemoryOnKernelsWithoutIt) {
  const std::optional<MemInfo> info = ParseMeminfo(Fixture("meminfo/before-3.14.txt"));
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->availableEstimated);
  EXPECT_EQ(info->available, (301232 + 52112 + 812340) * kKiB);
  EXPECT_EQ(info->Used(), (2055148 - 301232 - 52112 - 812340) * kKiB);
}

TEST(Meminfo, RefusesTextWithoutTotalsOrWithMalformedFigures) {
  const std::string good = Fixture("proc/meminfo");
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"not meminfo", "hello\nworld\n"},
      {"no MemTotal", Replaced(good, "MemTotal:", "MemTotalX:")},
      {"no MemFree", Replaced(good, "MemFree:         1203456 kB\n", "")},
      {"letters in a figure", Replaced(good, "9876544 kB", "98765x4 kB")},
      {"a figure in bytes", Replaced(good, "1203456 kB", "1203456 B")},
      {"no unit", Replaced(good, "7612340 kB", "7612340")},
      {"negative", Replaced(good, "402112 kB", "-402112 kB")},
      {"2^64 bytes", Replaced(good, "16303284 kB", "18014398509481984 kB")},
      {"cut off", good.substr(0, good.find("MemFree:") + 12)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ParseMeminfo(c.text));
  }
}

TEST(Meminfo, PassesOverLinesItDoesNotNeed) {
  const std::string text =
      "not a key line\n\nMemTotal:  2048 kB\nHugePages_Total:  oops\n"
      "MemFree: 1024 kB\r\nMemAvailable:\t1536 kB";
  const std::optional<MemInfo> info = ParseMeminfo(text);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->total, 2048 * kKiB);
  EXPECT_EQ(info->free, 1024 * kKiB);
  EXPECT_EQ(info->available, 1536 * kKiB);
  EXPECT_EQ(info->SwapUsed(), 0u);
}

TEST(Meminfo, AvailableAboveTotalCountsNothingUsed) {
  const std::optional<MemInfo> info = ParseMeminfo(
      "MemTotal: 1000 kB\nMemFree: 900 kB\nMemAvailable: 1200 kB\n"
      "SwapTotal: 10 kB\nSwapFree: 20 kB\n");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Used(), 0u);
  EXPECT_EQ(info->SwapUsed(), 0u);
}

TEST(ProcFile, ReadsWholeFilesAndReportsUnreadableOnes) {
  ProcFixture proc;
  EXPECT_EQ(ReadProcFile(proc / "meminfo"), Fixture("proc/meminfo"));
  EXPECT_FALSE(ReadProcFile(proc / "3000/status")) << "missing";
  EXPECT_FALSE(ReadProcFile(proc / "3001/status")) << "a folder";
  const std::optional<std::string> real = ReadProcFile("/proc/self/status");
  ASSERT_TRUE(real);
  EXPECT_NE(real->find("VmRSS:"), std::string::npos);
}

}  // namespace
