#include "figure_text.h"

#include <gtest/gtest.h>

namespace {

using namespace cachemonitor;

TEST(FigureText, RatesSizesChangesAndMissRates) {
  EXPECT_EQ(RateText(48.24e9), "48.2 GB/s");
  EXPECT_EQ(RateText(1e9), "1.0 GB/s");
  EXPECT_EQ(RateText(850.4e6), "850 MB/s");
  EXPECT_EQ(ChangeText(49.4e9, 48.2e9), "+1.2 GB/s (+2.5%)");
  EXPECT_EQ(ChangeText(8.1e9, 8.95e9), "-850 MB/s (-9.5%)");
  EXPECT_EQ(ChangeText(5e9, 0.0), "+5.0 GB/s");
  EXPECT_EQ(ChangeText(5e9, std::nullopt), "");
  EXPECT_EQ(SizeText(48 * 1024), "48 KB");
  EXPECT_EQ(SizeText(1024 * 1024), "1 MB");
  EXPECT_EQ(SizeText(1536 * 1024), "1.5 MB");
  EXPECT_EQ(SizeText(32 * 1024 * 1024), "32 MB");
  EXPECT_EQ(MissRateText(0.0234), "2.3%");
  EXPECT_EQ(MissRateText(std::nullopt), "n/a");
}

}  // namespace
