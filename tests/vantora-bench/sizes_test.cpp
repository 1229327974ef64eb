// Working-set sizes: the option syntax, their text, the sweep and its default end.
#include "sizes.h"

#include <gtest/gtest.h>

#include <vector>

namespace vbench {
namespace {

TEST(Sizes, ParseUnitsAndRefuseTheRest) {
  const struct {
    const char* text;
    bool valid;
    std::uint64_t bytes;
  } cases[] = {
      {"1024", true, 1024},
      {"16K", true, 16384},
      {"16kb", true, 16384},
      {"2M", true, 2097152},
      {"1G", true, 1u << 30},
      {"1gb", true, 1u << 30},
      {"0", true, 0},
      {"", false, 0},
      {"K", false, 0},
      {"1.5M", true, 1572864},
      {"1.5K", true, 1536},
      {".5K", true, 512},
      {"0.3K", false, 0},
      {"1.5", false, 0},
      {"1.", true, 1},
      {"1.2.3K", false, 0},
      {".", false, 0},
      {"16 K", false, 0},
      {"16KiB", false, 0},
      {"18446744073709551615", true, 18446744073709551615ull},
      {"18446744073709551616", false, 0},
      {"17179869184G", false, 0},
  };
  for (const auto& row : cases) {
    std::uint64_t bytes = 0;
    EXPECT_EQ(parseSize(row.text, bytes), row.valid) << row.text;
    if (row.valid) {
      EXPECT_EQ(bytes, row.bytes) << row.text;
    }
  }
}

TEST(Sizes, TextTakesTheLargestUnitWithAtMostOneDecimal) {
  EXPECT_EQ(sizeText(1024), "1 KB");
  EXPECT_EQ(sizeText(1536), "1.5 KB");
  EXPECT_EQ(sizeText(48 * kKilobyte), "48 KB");
  EXPECT_EQ(sizeText(1536 * kKilobyte), "1.5 MB");
  EXPECT_EQ(sizeText(1100 * kKilobyte), "1100 KB");
  EXPECT_EQ(sizeText(kGigabyte), "1 GB");
  EXPECT_EQ(sizeText(1000), "1000 B");
}

TEST(Sizes, SweepHasPowersOfTwoMidpointsAndBothEnds) {
  EXPECT_EQ(sweepSizes(kKilobyte, 8 * kKilobyte),
            (std::vector<std::uint64_t>{1024, 1536, 2048, 3072, 4096, 6144, 8192}));
  EXPECT_EQ(sweepSizes(40 * kKilobyte, 100 * kKilobyte),
            (std::vector<std::uint64_t>{40 * kKilobyte, 48 * kKilobyte, 64 * kKilobyte,
                                        96 * kKilobyte, 100 * kKilobyte}));
  EXPECT_EQ(sweepSizes(16 * kKilobyte, 16 * kKilobyte), std::vector<std::uint64_t>{16384});
  const std::vector<std::uint64_t> full = sweepSizes(kSmallestSize, kLargestSize);
  EXPECT_EQ(full.size(), 41u);  // 2^10 to 2^30, and the 20 midpoints between them
  EXPECT_EQ(full.back(), kLargestSize);
}

TEST(Sizes, DefaultEndIsFourLastLevelCachesFrom256MbTo1Gb) {
  engine::CacheSizes caches;
  EXPECT_EQ(defaultSweepEnd(caches), 256 * kMegabyte);
  caches.level2 = 1 * kMegabyte;
  caches.level3 = 32 * kMegabyte;
  EXPECT_EQ(defaultSweepEnd(caches), 256 * kMegabyte);
  caches.level3 = 96 * kMegabyte;
  EXPECT_EQ(defaultSweepEnd(caches), 384 * kMegabyte);
  caches.level3 = 512 * kMegabyte;
  EXPECT_EQ(defaultSweepEnd(caches), kGigabyte);
}

}  // namespace
}  // namespace vbench
