#include "measurement.h"

#include <gtest/gtest.h>

#include "counter.h"

namespace {

TEST(PageBoundaryAbove, AlwaysStrictlyAboveWithOneToAPageOfSlack) {
  const struct {
    std::uintptr_t address;
    std::uintptr_t expected;
  } cases[] = {
      {0x10000, 0x11000},  // already on a boundary: shifted a whole page
      {0x10001, 0x11000},
      {0x10FFF, 0x11000},
      {0x10010, 0x11000},
  };
  for (const auto& c : cases) EXPECT_EQ(engine::pageBoundaryAbove(c.address), c.expected);
}

TEST(MeasurementArrays, PageAlignedArraysAreContiguous) {
  const std::size_t bytes = 64 * 1024;
  engine::MeasurementArrays arrays(engine::Placement::PageAligned, 3, bytes);
  ASSERT_TRUE(arrays.allocated());
  const auto a = reinterpret_cast<std::uintptr_t>(arrays.array(0));
  EXPECT_EQ(a % engine::kPageSize, 0u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(arrays.array(1)), a + bytes);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(arrays.array(2)), a + 2 * bytes);
}

TEST(MeasurementArrays, AnImpossibleAllocationFailsCleanly) {
  engine::MeasurementArrays arrays(engine::Placement::PageAligned, 3, SIZE_MAX / 2);
  EXPECT_FALSE(arrays.allocated());
  engine::MeasurementArrays separate(engine::Placement::Separate, 2, SIZE_MAX / 2);
  EXPECT_FALSE(separate.allocated());
}

TEST(ElapsedMilliseconds, WholeMillisecondsFractionsDropped) {
  EXPECT_EQ(engine::elapsedMilliseconds(5, 5 + 1999999999u, 1000000000u), 1999u);
  EXPECT_EQ(engine::elapsedMilliseconds(0, 999999, 1000000000u), 0u);
  EXPECT_EQ(engine::elapsedMilliseconds(100, 100 + 3000, 3000000u), 1u);
}

}  // namespace
