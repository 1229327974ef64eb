// Cache sizes from the deterministic cache parameter leaves: recorded processors against sizes
// worked out by hand from their registers, and synthetic processors for the AMD leaf and the
// edge cases.
#include "cpu/cache_sizes.h"

#include <gtest/gtest.h>

#include <string>

#include "cpu/cpuid_dump.h"
#include "cpuid_builders.h"

namespace {

using engine::CacheSizes;
using engine::CpuidReader;
using engine::CpuidRegisters;
using engine::deterministicCacheSizes;
using engine_test::amd;
using engine_test::FakeCpuid;
using engine_test::intel;

constexpr std::uint64_t kKb = 1024, kMb = 1024 * 1024;

CacheSizes sizesOf(const engine::CpuidSource& source) {
  return deterministicCacheSizes(CpuidReader(source));
}

void expectSizes(const CacheSizes& sizes, std::uint64_t level1, std::uint64_t level2,
                 std::uint64_t level3) {
  EXPECT_EQ(sizes.level1Data, level1);
  EXPECT_EQ(sizes.level2, level2);
  EXPECT_EQ(sizes.level3, level3);
}

struct DumpCase {
  const char* dump;
  std::uint64_t level1, level2, level3;
};

// Leaf 4 (Intel, partitions included on the Pentium 4s), leaf 0x8000001D (the Bulldozer), and
// processors that have neither leaf, whose legacy cache leaves must not leak in.
const DumpCase kDumps[] = {
    {"intel-060F-conroe", 32 * kKb, 4 * kMb, 0},
    {"intel-061A-bloomfield", 32 * kKb, 256 * kKb, 8 * kMb},
    {"intel-062A-sandybridge", 32 * kKb, 256 * kKb, 6 * kMb},
    {"intel-0F04-prescott-celerond", 16 * kKb, 256 * kKb, 0},
    {"intel-0F04-prescott2m", 16 * kKb, 2 * kMb, 0},
    {"amd-1501-zambezi", 16 * kKb, 2 * kMb, 8 * kMb},
    {"intel-0608-coppermine", 0, 0, 0},
    {"amd-1004-deneb", 0, 0, 0},
};

TEST(DeterministicCacheSizes, RecordedProcessors) {
  for (const DumpCase& row : kDumps) {
    SCOPED_TRACE(row.dump);
    const engine::CpuidDump dump =
        engine::CpuidDump::load(std::string(CPUID_DUMP_DIR) + "/" + row.dump + ".txt");
    expectSizes(sizesOf(dump), row.level1, row.level2, row.level3);
  }
}

// A cache descriptor: type 1 data, 2 instruction, 3 unified; line size 64.
CpuidRegisters cache(unsigned type, unsigned level, unsigned ways, unsigned sets) {
  return {type | (level << 5), (ways - 1) << 22 | 63, sets - 1, 0};
}

// A Zen 4 class processor: 32 KB 8-way L1 data after the instruction cache, 1 MB L2, 32 MB L3.
// Its topology extensions flag is clear, as hypervisors leave it while passing the leaf through.
FakeCpuid zen4() {
  FakeCpuid cpu = amd(0x19, 0x11, 1);
  cpu.set(0x8000001Du, cache(2, 1, 8, 64), 0)
      .set(0x8000001Du, cache(1, 1, 8, 64), 1)
      .set(0x8000001Du, cache(3, 2, 8, 2048), 2)
      .set(0x8000001Du, cache(3, 3, 16, 32768), 3);
  return cpu;
}

TEST(DeterministicCacheSizes, AmdProcessorReadsLeaf8000001D) {
  FakeCpuid cpu = zen4();
  // Leaf 4 is reserved on AMD processors; whatever it answers is not a cache.
  cpu.set(4, cache(1, 1, 4, 4), 0);
  expectSizes(sizesOf(cpu), 32 * kKb, 1 * kMb, 32 * kMb);
}

TEST(DeterministicCacheSizes, AmdProcessorBelowLeaf8000001DHasNoSizes) {
  FakeCpuid cpu = zen4();
  cpu.maxExtended(0x8000001Bu);
  expectSizes(sizesOf(cpu), 0, 0, 0);
}

TEST(DeterministicCacheSizes, IntelProcessorIgnoresLeaf8000001D) {
  FakeCpuid cpu = intel(6, 0x97, 2);
  cpu.set(4, cache(1, 1, 12, 64), 0)
      .set(4, cache(2, 1, 8, 64), 1)
      .set(4, cache(3, 2, 10, 2048), 2)
      .set(0x8000001Du, cache(3, 3, 16, 32768), 0);
  expectSizes(sizesOf(cpu), 48 * kKb, 1280 * kKb, 0);
}

// A hypervisor that answers every subleaf with the same cache never ends the list.
class EndlessCacheList final : public engine::CpuidSource {
 public:
  bool present() const override { return true; }
  CpuidRegisters query(std::uint32_t leaf, std::uint32_t) const override {
    if (leaf == 0) return {4, 0, 0, 0};
    if (leaf == 4) return cache(3, 2, 8, 1024);
    return {};
  }
};

TEST(DeterministicCacheSizes, EndlessListStopsAndNoCpuidReadsNothing) {
  expectSizes(sizesOf(EndlessCacheList()), 0, 512 * kKb, 0);
  expectSizes(sizesOf(FakeCpuid::withoutCpuid()), 0, 0, 0);
}

}  // namespace
