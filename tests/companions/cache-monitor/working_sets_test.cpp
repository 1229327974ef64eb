#include "working_sets.h"

#include <gtest/gtest.h>

namespace {

using namespace cachemonitor;

constexpr std::size_t kKB = 1024;
constexpr std::size_t kMB = 1024 * 1024;

TEST(WorkingSets, FitTheirLevelAndExceedTheOneBelow) {
  const struct {
    const char* name;
    LevelSizes sizes;
    WorkingSets sets;
  } cases[] = {
      {"defaults", kDefaultLevelSizes, {16 * kKB, 512 * kKB, 4 * kMB, 8 * kMB}},
      {"Sandy Bridge", {32 * kKB, 256 * kKB, 6 * kMB}, {16 * kKB, 128 * kKB, 1 * kMB, 8 * kMB}},
      {"EPYC", {48 * kKB, 1 * kMB, 32 * kMB}, {24 * kKB, 512 * kKB, 4 * kMB, 8 * kMB}},
      {"Bulldozer", {16 * kKB, 2 * kMB, 8 * kMB}, {8 * kKB, 1 * kMB, 4 * kMB, 8 * kMB}},
      {"large level 2", {48 * kKB, 2 * kMB, 36 * kMB}, {24 * kKB, 1 * kMB, 8 * kMB, 8 * kMB}},
      {"level 3 hardly larger",
       {32 * kKB, 1 * kMB, 2 * kMB},
       {16 * kKB, 512 * kKB, 1536 * kKB, 8 * kMB}},
      {"level 2 hardly larger",
       {64 * kKB, 96 * kKB, 8 * kMB},
       {32 * kKB, 80 * kKB, 384 * kKB, 8 * kMB}},
      {"odd sizes to whole pages",
       {6 * kKB, 100 * kKB, 3 * kMB},
       {4 * kKB, 48 * kKB, 400 * kKB, 8 * kMB}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WorkingSetsFor(c.sizes), c.sets);
  }
}

}  // namespace
