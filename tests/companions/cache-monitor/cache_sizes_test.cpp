#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cache_level_sizes.h"
#include "cpu/cpuid_dump.h"
#include "cpuid_level_sizes.h"
#include "sandbox.h"

namespace {

using namespace cachemonitor;

const std::string kData = CACHE_MONITOR_TEST_DATA;

LevelSizes FromDump(const std::string& name) {
  const engine::CpuidDump dump = engine::CpuidDump::load(kData + "/cpuid/" + name);
  return CpuidLevelSizes(engine::CpuidReader(dump));
}

void ExpectSizes(const LevelSizes& sizes, std::uint64_t l1, std::uint64_t l2, std::uint64_t l3) {
  EXPECT_EQ(sizes.level1Data, l1);
  EXPECT_EQ(sizes.level2, l2);
  EXPECT_EQ(sizes.level3, l3);
}

TEST(CacheSizeText, ReadsTheKernelsSizesAndRefusesTheRest) {
  const struct {
    const char* text;
    std::optional<std::uint64_t> bytes;
  } cases[] = {
      {"48K\n", 48 * 1024},
      {"1024K", 1024 * 1024},
      {"8M\n", 8 * 1024 * 1024},
      {" 32K \n", 32 * 1024},
      {"65536", 65536},
      {"", std::nullopt},
      {"K", std::nullopt},
      {"0K", std::nullopt},
      {"-1K", std::nullopt},
      {"12.5K", std::nullopt},
      {"32 K", std::nullopt},
      {"32KB", std::nullopt},
      {"18014398509481984K", std::nullopt},  // 2^64 bytes
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseCacheSizeText(c.text), c.bytes);
  }
}

TEST(SysfsCacheSizes, TakesDataAndUnifiedCachesPerLevel) {
  ExpectSizes(ReadSysfsCacheSizes(kData + "/sysfs/epyc-vm"), 48 * 1024, 1024 * 1024,
              32 * 1024 * 1024);
  ExpectSizes(ReadSysfsCacheSizes(kData + "/sysfs/core2-no-level3"), 32 * 1024, 4 * 1024 * 1024, 0);
}

// Malformed sizes and levels, a missing size file and an instruction cache at level 3 leave
// their levels undescribed; the one whole description still counts.
TEST(SysfsCacheSizes, SkipsDamagedAndUnreadableDescriptions) {
  ExpectSizes(ReadSysfsCacheSizes(kData + "/sysfs/damaged"), 0, 512 * 1024, 0);
  ExpectSizes(ReadSysfsCacheSizes(kData + "/sysfs/absent"), 0, 0, 0);

  Sandbox sandbox;
  std::filesystem::copy(kData + "/sysfs/epyc-vm", sandbox.path(),
                        std::filesystem::copy_options::recursive);
  std::filesystem::remove(sandbox / "index3/size");
  std::filesystem::create_directory(sandbox / "index3/size");
  ExpectSizes(ReadSysfsCacheSizes(sandbox.path()), 48 * 1024, 1024 * 1024, 0);
}

TEST(CpuidCacheSizes, ComeFromLeaf4OrLeaf8000001D) {
  ExpectSizes(FromDump("intel-062A-sandybridge.txt"), 32 * 1024, 256 * 1024, 6 * 1024 * 1024);
  ExpectSizes(FromDump("amd-1501-zambezi.txt"), 16 * 1024, 2 * 1024 * 1024, 8 * 1024 * 1024);
  ExpectSizes(FromDump("intel-0608-coppermine.txt"), 0, 0, 0);
}

TEST(ChosenCacheSizes, EachLevelFromCpuidThenSysfsThenTheDefault) {
  const LevelSizes noCpuid = FromDump("intel-0608-coppermine.txt");
  const struct {
    const char* name;
    LevelSizes cpuid;
    std::string sysfs;
    LevelSizes bytes;
    SizeSource l1, l2, l3;
  } cases[] = {
      {"CPUID describes all",
       FromDump("intel-062A-sandybridge.txt"),
       "epyc-vm",
       {32 * 1024, 256 * 1024, 6 * 1024 * 1024},
       SizeSource::kCpuid,
       SizeSource::kCpuid,
       SizeSource::kCpuid},
      {"CPUID describes none",
       noCpuid,
       "epyc-vm",
       {48 * 1024, 1024 * 1024, 32 * 1024 * 1024},
       SizeSource::kSysfs,
       SizeSource::kSysfs,
       SizeSource::kSysfs},
      {"no level 3 anywhere",
       noCpuid,
       "core2-no-level3",
       {32 * 1024, 4 * 1024 * 1024, 8 * 1024 * 1024},
       SizeSource::kSysfs,
       SizeSource::kSysfs,
       SizeSource::kDefault},
      {"a damaged sysfs",
       noCpuid,
       "damaged",
       {32 * 1024, 512 * 1024, 8 * 1024 * 1024},
       SizeSource::kDefault,
       SizeSource::kSysfs,
       SizeSource::kDefault},
      {"nothing described",
       noCpuid,
       "absent",
       {32 * 1024, 1024 * 1024, 8 * 1024 * 1024},
       SizeSource::kDefault,
       SizeSource::kDefault,
       SizeSource::kDefault},
      {"CPUID without level 3",
       {16 * 1024, 512 * 1024, 0},
       "epyc-vm",
       {16 * 1024, 512 * 1024, 32 * 1024 * 1024},
       SizeSource::kCpuid,
       SizeSource::kCpuid,
       SizeSource::kSysfs},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CacheLevelSizes chosen =
        ChooseCacheSizes(c.cpuid, ReadSysfsCacheSizes(kData + "/sysfs/" + c.sysfs));
    ExpectSizes(chosen.bytes, c.bytes.level1Data, c.bytes.level2, c.bytes.level3);
    EXPECT_EQ(chosen.level1DataSource, c.l1);
    EXPECT_EQ(chosen.level2Source, c.l2);
    EXPECT_EQ(chosen.level3Source, c.l3);
  }
}

TEST(ChosenCacheSizes, ThisMachineHasEveryLevel) {
  const CacheLevelSizes sizes = MachineCacheSizes();
  EXPECT_GT(sizes.bytes.level1Data, 0u);
  EXPECT_GT(sizes.bytes.level2, sizes.bytes.level1Data);
  EXPECT_GT(sizes.bytes.level3, 0u);
}

}  // namespace
