// The twelve block kernels and their pre-fills on small guarded blocks: what they leave in the
// block, which accesses they make (width, loads or stores, pass count, nothing outside the
// block), and the x87 state they hand back.
#include <gtest/gtest.h>

#include <cstring>

#include "kernels/block_kernels.h"
#include "page_access_counter.h"
#include "x87_state.h"

namespace engine {
namespace {

using engine_test::AccessCounts;
using engine_test::GuardedBuffer;
using engine_test::kPage;
using engine_test::PageAccessCounter;

enum class Access { Load, Store };

struct BlockCase {
  const char* name;
  BlockKernel kernel;
  BlockFill fill;  // the read kernel's pre-fill; null for the write kernels
  unsigned width;  // bytes per access
  Access access;
};

const BlockCase kBlockCases[] = {
    {"integerWrite", integerWrite, nullptr, 4, Access::Store},
    {"integerRead", integerRead, integerReadFill, 4, Access::Load},
    {"x87Write", x87Write, nullptr, 8, Access::Store},
    {"x87Read", x87Read, x87ReadFill, 8, Access::Load},
    {"mmxWrite", mmxWrite, nullptr, 8, Access::Store},
    {"mmxRead", mmxRead, mmxReadFill, 8, Access::Load},
    {"sseWrite", sseWrite, nullptr, 16, Access::Store},
    {"sseRead", sseRead, sseReadFill, 16, Access::Load},
    {"mmxNtWrite", mmxNtWrite, nullptr, 8, Access::Store},
    {"mmxPrefetchRead", mmxPrefetchRead, mmxPrefetchReadFill, 8, Access::Load},
    {"sseNtWrite", sseNtWrite, nullptr, 16, Access::Store},
    {"ssePrefetchRead", ssePrefetchRead, ssePrefetchReadFill, 16, Access::Load},
};

class BlockKernelTest : public ::testing::TestWithParam<BlockCase> {};

bool allBytesAre(const char* data, std::size_t bytes, char value) {
  for (std::size_t i = 0; i < bytes; ++i) {
    if (data[i] != value) return false;
  }
  return true;
}

TEST_P(BlockKernelTest, FillAndWriteKernelsLeaveZerosReadKernelsLeaveTheBlockAsItWas) {
  const BlockCase& c = GetParam();
  GuardedBuffer block(4);
  if (c.fill != nullptr) {
    std::memset(block.data(), 0x5a, block.size());
    c.fill(block.data(), block.size());
    EXPECT_TRUE(allBytesAre(block.data(), block.size(), 0)) << "pre-fill";
    for (std::size_t i = 0; i < block.size(); ++i) block.data()[i] = char(i * 7 + 1);
    c.kernel(block.data(), block.size(), 2);
    for (std::size_t i = 0; i < block.size(); ++i) {
      ASSERT_EQ(block.data()[i], char(i * 7 + 1)) << "byte " << i;
    }
  } else {
    std::memset(block.data(), 0x5a, block.size());
    c.kernel(block.data(), block.size(), 2);
    EXPECT_TRUE(allBytesAre(block.data(), block.size(), 0));
  }
}

// The last page of the block sees exactly passes x page / width accesses of the kernel's kind and
// none of the other kind; the pages around the block see none. (Each counted access costs two
// signals, so the first page is left to the test above.)
TEST_P(BlockKernelTest, EveryPassLoadsOrStoresEveryWordOnceAndNothingOutside) {
  const BlockCase& c = GetParam();
  constexpr std::uint32_t kPasses = 2;
  GuardedBuffer block(2);
  if (c.fill != nullptr) c.fill(block.data(), block.size());
  PageAccessCounter counter;
  for (const char* page : {block.guardBefore(), block.page(1), block.guardAfter()}) {
    counter.watch(page);
  }
  c.kernel(block.data(), block.size(), kPasses);
  counter.stop();

  const AccessCounts counts = counter.counts(block.page(1));
  const unsigned expected = kPasses * kPage / c.width;
  EXPECT_EQ(c.access == Access::Load ? counts.reads : counts.writes, expected);
  EXPECT_EQ(c.access == Access::Load ? counts.writes : counts.reads, 0u);
  for (const char* guard : {block.guardBefore(), block.guardAfter()}) {
    EXPECT_EQ(counter.counts(guard).reads, 0u);
    EXPECT_EQ(counter.counts(guard).writes, 0u);
  }
}

// The smallest block, 1 KB: two chunks for most kernels, and for the prefetching reads one chunk
// with prefetches and the last one without. Nothing beyond the kilobyte is touched.
TEST_P(BlockKernelTest, SmallestBlockIsSweptWholeOncePerPass) {
  const BlockCase& c = GetParam();
  constexpr std::uint32_t kPasses = 3;
  GuardedBuffer block(1);
  if (c.fill != nullptr) c.fill(block.data(), 1024);
  PageAccessCounter counter;
  counter.watch(block.page(0));
  c.kernel(block.data(), 1024, kPasses);
  counter.stop();
  const AccessCounts counts = counter.counts(block.page(0));
  EXPECT_EQ(counts.reads + counts.writes, kPasses * 1024 / c.width);
}

TEST_P(BlockKernelTest, HandsTheX87UnitBackEmptyWithItsControlWord) {
  const BlockCase& c = GetParam();
  const std::uint16_t control = engine_test::x87State().control;
  GuardedBuffer block(1);
  if (c.fill != nullptr) {
    c.fill(block.data(), block.size());
    EXPECT_EQ(engine_test::x87State().tags, 0xFFFF) << "after the pre-fill";
  }
  c.kernel(block.data(), block.size(), 2);
  const engine_test::X87State state = engine_test::x87State();
  EXPECT_EQ(state.tags, 0xFFFF);
  EXPECT_EQ(state.control, control);
  EXPECT_EQ(engine_test::x87OnePlusOne(), 2.0);
}

TEST(BlockKernels, NoPassOrNoWholeChunkLeavesTheBlockUntouched) {
  GuardedBuffer block(1);
  for (const BlockCase& c : kBlockCases) {
    std::memset(block.data(), 0x5a, block.size());
    c.kernel(block.data(), block.size(), 0);
    c.kernel(block.data(), 128, 1);
    EXPECT_TRUE(allBytesAre(block.data(), block.size(), 0x5a)) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Kernels, BlockKernelTest, ::testing::ValuesIn(kBlockCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine
