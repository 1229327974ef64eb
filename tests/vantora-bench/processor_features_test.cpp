// What the program learns from CPUID beside the cache sizes: the classes the processor and the
// operating system allow, and the processor's name.
#include <gtest/gtest.h>

#include "available_classes.h"
#include "cpu/brand_string.h"
#include "cpuid_builders.h"

namespace vbench {
namespace {

using engine::CpuidReader;
using engine_test::FakeCpuid;
using engine_test::intel;

constexpr std::uint32_t kSse = 1u << 25;                       // leaf 1 EDX
constexpr std::uint32_t kOsXsave = 1u << 27, kAvx = 1u << 28;  // leaf 1 ECX
constexpr std::uint32_t kAvx2 = 1u << 5, kAvx512F = 1u << 16;  // leaf 7 EBX
constexpr std::uint64_t kSseYmm = 0x7, kSseYmmZmm = 0xE7;

FakeCpuid processor(std::uint32_t ecx, std::uint32_t leaf7Ebx) {
  FakeCpuid cpu = intel(6, 0x55, 4);
  cpu.leaf1(0, ecx, kSse).set(7, {0, leaf7Ebx, 0, 0});
  return cpu;
}

TEST(AvailableClasses, NeedTheInstructionsAndTheSystemsRegisterSaving) {
  const struct {
    const char* label;
    FakeCpuid cpu;
    std::uint64_t xcr0;
    bool avx2, avx512;
  } cases[] = {
      {"SSE only", processor(0, 0), 0, false, false},
      {"AVX2 saved", processor(kOsXsave | kAvx, kAvx2), kSseYmm, true, false},
      {"AVX2, YMM not saved", processor(kOsXsave | kAvx, kAvx2), 0x3, false, false},
      {"AVX2 without AVX", processor(kOsXsave, kAvx2), kSseYmm, false, false},
      {"AVX-512 saved", processor(kOsXsave | kAvx, kAvx2 | kAvx512F), kSseYmmZmm, true, true},
      {"AVX-512, ZMM not saved", processor(kOsXsave | kAvx, kAvx2 | kAvx512F), kSseYmm, true,
       false},
      // Without OSXSAVE the system has not enabled XSAVE: XCR0 does not count.
      {"no OSXSAVE", processor(kAvx, kAvx2 | kAvx512F), kSseYmmZmm, false, false},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.label);
    const ClassSet classes = availableClasses(CpuidReader(row.cpu), row.xcr0);
    EXPECT_TRUE(classes.int64);
    EXPECT_TRUE(classes.sse);
    EXPECT_EQ(classes.avx2, row.avx2);
    EXPECT_EQ(classes.avx512, row.avx512);
  }
}

TEST(AvailableClasses, LeafSevenAboveTheMaximumOffersNoWideClass) {
  FakeCpuid cpu = processor(kOsXsave | kAvx, kAvx2 | kAvx512F);
  cpu.set(0, {6, 0x756E6547, 0x6C65746E, 0x49656E69});  // GenuineIntel, maximum leaf 6
  const ClassSet classes = availableClasses(CpuidReader(cpu), kSseYmmZmm);
  EXPECT_FALSE(classes.avx2);
  EXPECT_FALSE(classes.avx512);
  const FakeCpuid none = FakeCpuid::withoutCpuid();
  const ClassSet bare = availableClasses(CpuidReader(none), kSseYmmZmm);
  EXPECT_TRUE(bare.int64);
  EXPECT_FALSE(bare.sse);
}

TEST(BrandString, TrimmedOfPaddingAndEmptyWithoutTheLeaves) {
  FakeCpuid padded = intel(6, 0x2A, 7);
  padded.brand("        Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz  ");
  EXPECT_EQ(engine::brandString(CpuidReader(padded)), "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz");
  FakeCpuid blank = intel(6, 0x2A, 7);
  blank.brand("   ");
  EXPECT_EQ(engine::brandString(CpuidReader(blank)), "");
  FakeCpuid truncated = intel(6, 0x2A, 7);
  truncated.brand("Name").maxExtended(0x80000003u);
  EXPECT_EQ(engine::brandString(CpuidReader(truncated)), "");
}

}  // namespace
}  // namespace vbench
