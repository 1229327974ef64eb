// The processor report for synthetic processors: the decisions the recorded dumps do not reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cpu/processor_report.h"
#include "cpuid_builders.h"
#include "engine_process.h"

namespace {

using engine_test::amd;
using engine_test::FakeCpuid;
using engine_test::intel;
using engine_test::leaf2;
using engine_test::signature;
using engine_test::splitLines;
using Lines = std::vector<std::string>;

constexpr std::uint32_t kFpu = 1u << 0;
constexpr std::uint32_t kMmx = 1u << 23;
constexpr std::uint32_t kSse = 1u << 25;
constexpr std::uint32_t kHtt = 1u << 28;

Lines reportLines(const engine::CpuidSource& cpu) {
  return splitLines(engine::processorReport(cpu));
}

// The cache and TLB lines, in report order.
Lines cacheLines(const engine::CpuidSource& cpu) {
  Lines found;
  for (const std::string& line : reportLines(cpu)) {
    if (line.find("-cache: ") != std::string::npos || line.find("-TLB (") != std::string::npos) {
      found.push_back(line);
    }
  }
  return found;
}

std::string lineStartingWith(const Lines& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.compare(0, start.size(), start) == 0) return line;
  }
  return "(none)";
}

TEST(ProcessorReport, WithoutCpuidOnlyTheEmptyFirstLine) {
  EXPECT_EQ(engine::processorReport(FakeCpuid::withoutCpuid()), "\n");
}

TEST(ProcessorReport, UnknownVendorGivesSignatureAndFeatureLinesOnly) {
  FakeCpuid cpu("HygonGenuine", signature(0x18, 1, 1));
  cpu.leaf1(0, 0, kFpu | kMmx).brand("Hygon C86 3185  8-core Processor");
  cpu.set(0x80000005u, {0xFF40FF40u, 0xFF40FF40u, 0x20080140u, 0x20080140u});
  cpu.set(0x80000006u, {0, 0x42004200u, 0x02006140u, 0x00808140u});
  const Lines expected = {"",
                          "HygonGenuine family 18 model 1 stepping 1",
                          "Scalar: FPU ",
                          "Vector: MMX ",
                          "General: ",
                          "Addressing: ",
                          "Monitoring: ",
                          "Other: "};
  EXPECT_EQ(reportLines(cpu), expected);
}

TEST(ProcessorReport, TeadVendorsNeverListLeaf1EcxFeatures) {
  const std::uint32_t everyEcxBit = 0xFFFFFFFFu;
  const char* const ecxFeatures[] = {" CX16 ", " SSE3 ", " VMX ", " TM2 ", " MNTR ", " DCA "};
  struct Case {
    const char* vendor;
    bool masked;
  };
  for (const Case& row : {Case{"CyrixInstead", true}, Case{"SomeoneXtead", true},
                          Case{"GenuineIntel", false}, Case{"AuthenticAMD", false}}) {
    SCOPED_TRACE(row.vendor);
    FakeCpuid cpu(row.vendor, signature(6, 0xF, 1));
    cpu.leaf1(0, everyEcxBit, 0);
    const std::string report = engine::processorReport(cpu);
    for (const char* feature : ecxFeatures) {
      EXPECT_EQ(report.find(feature) == std::string::npos, row.masked) << feature;
    }
  }
}

TEST(ProcessorReport, ExtendedFeaturesNeedLeaf80000001Reported) {
  constexpr std::uint32_t kLongMode = 1u << 29, kMmxPlus = 1u << 22;
  FakeCpuid cpu = intel(6, 0xF, 6);
  cpu.leaf1(0, 0, kFpu | kMmx).set(0x80000001u, {0, 0, 0, kLongMode | kMmxPlus});

  cpu.maxExtended(0x80000000u);
  Lines lines = reportLines(cpu);
  EXPECT_EQ(lineStartingWith(lines, "Scalar:"), "Scalar: FPU ");
  EXPECT_EQ(lineStartingWith(lines, "Vector:"), "Vector: MMX ");

  cpu.maxExtended(0x80000001u);
  lines = reportLines(cpu);
  EXPECT_EQ(lineStartingWith(lines, "Scalar:"), "Scalar: FPU AMD64 ");
  EXPECT_EQ(lineStartingWith(lines, "Vector:"), "Vector: MMX MMX+ ");
}

TEST(ProcessorReport, SseBringsMmxPlusWithoutTheExtendedLeaf) {
  FakeCpuid cpu = intel(6, 8, 3);
  cpu.leaf1(2, 0, kMmx | kSse);
  EXPECT_EQ(lineStartingWith(reportLines(cpu), "Vector:"), "Vector: MMX MMX+ SSE ");
}

TEST(ProcessorReport, BrandStringDropsLeadingBlankGroupsOnIntelOnly) {
  struct Case {
    const char* label;
    FakeCpuid cpu;
    const char* line;
  };
  const std::string eightBlanks = "        ";
  const Case cases[] = {
      {"Intel, eight blanks", intel(6, 0xF, 6).brand(eightBlanks + "Intel(R) CPU"),
       "BIOS name string: \"Intel(R) CPU\""},
      {"Intel, six blanks", intel(6, 0xF, 6).brand("      Intel(R) CPU"),
       "BIOS name string: \"  Intel(R) CPU\""},
      {"Intel, all blanks", intel(6, 0xF, 6).brand(std::string(48, ' ')), "BIOS name string: \"\""},
      {"AMD, eight blanks", amd(0xF, 0x2F, 0).brand(eightBlanks + "AMD CPU"),
       "BIOS name string: \"        AMD CPU\""},
      {"Intel without leaf 0x80000004",
       intel(6, 0xF, 6).brand("Intel(R) CPU").maxExtended(0x80000003u), "(none)"},
      {"VIA", FakeCpuid("CentaurHauls", signature(6, 9, 8)).brand("VIA Nehemiah"), "(none)"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(lineStartingWith(reportLines(row.cpu), "BIOS name string:"), row.line);
  }
}

TEST(ProcessorReport, IntelWithoutInstructionCacheDescriptorCarriesOn) {
  FakeCpuid cpu = intel(6, 0xD, 6);
  cpu.set(2, leaf2({0x2C, 0x7D}));
  const Lines expected = {"I-cache: [unknown]",
                          "D-cache: 32Kb, 8-way, 64 bytes per line",
                          "I-TLB (4Kb pages): [unknown]",
                          "I-TLB (4Mb pages): [unknown]",
                          "D-TLB (4Kb pages): [unknown]",
                          "D-TLB (4Mb pages): [unknown]",
                          "S-cache: 2048Kb, 8-way, 64 bytes per line"};
  EXPECT_EQ(cacheLines(cpu), expected);
}

TEST(ProcessorReport, TraceCacheReplacesTheInstructionCacheWithTheLevel1Count) {
  // Pentium D (Smithfield): two of every level-1 and level-2 cache.
  FakeCpuid cpu = intel(0xF, 4, 4);
  cpu.set(2, leaf2({0x30, 0x71, 0x66, 0xB0, 0xB1, 0xB3, 0x5A, 0x7D, 0xCA, 0x22}));
  const Lines expected = {"2x I-cache: 16Kuops, 8-way",
                          "2x D-cache: 8Kb, 4-way, 64 bytes per line",
                          "2x I-TLB (4Kb pages): 128 entries, 4-way",
                          "2x I-TLB (4Mb pages): 4 entries, 4-way",
                          "2x D-TLB (4Kb pages): 128 entries, 4-way",
                          "2x D-TLB (4Mb pages): 32 entries, 4-way",
                          "2x S-cache: 2048Kb, 8-way, 64 bytes per line",
                          "2x S-TLB (4Kb pages): 512 entries, 4-way",
                          "T-cache: 512Kb, 4-way, 64 bytes per line"};
  EXPECT_EQ(cacheLines(cpu), expected);
}

TEST(ProcessorReport, IntelDecodingRules) {
  struct Case {
    const char* label;
    FakeCpuid cpu;
    Lines levels2And3;  // the S- and T- lines
  };
  const Case cases[] = {
      {"no level-2 descriptor ends the decoding", intel(6, 0xF, 6), {}},
      {"0x49 is level 3 on family 0xF model 6",
       intel(0xF, 6, 8),
       {"S-cache: 2048Kb, 8-way, 64 bytes per line", "T-cache: 4096Kb, 16-way, 64 bytes per line"}},
      {"0x49 is level 2 elsewhere",
       intel(0xF, 4, 8),
       {"2x S-cache: 4096Kb, 16-way, 64 bytes per line"}},
      {"0x49 alone on family 0xF model 6 gives no level 2", intel(0xF, 6, 8), {}},
  };
  const engine::CpuidRegisters descriptors[] = {leaf2({0x2C, 0xCA, 0x22}), leaf2({0x49, 0x7D}),
                                                leaf2({0x49}), leaf2({0x49})};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].label);
    FakeCpuid cpu = cases[i].cpu;
    cpu.set(2, descriptors[i]);
    Lines levels;
    for (const std::string& line : cacheLines(cpu)) {
      if (line.find("S-") != std::string::npos || line.find("T-") != std::string::npos) {
        levels.push_back(line);
      }
    }
    EXPECT_EQ(levels, cases[i].levels2And3);
  }
}

TEST(ProcessorReport, IntelLeaf2RegistersWithBit31HoldNoDescriptors) {
  FakeCpuid cpu = intel(6, 0xD, 6);
  cpu.set(2, {0x00000001u, 0x80000030u, 0, 0x0000002Cu});
  Lines lines = cacheLines(cpu);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "I-cache: [unknown]");
  EXPECT_EQ(lines[1], "D-cache: 32Kb, 8-way, 64 bytes per line");

  // AL = 0: the processor lists no descriptors at all.
  cpu.set(2, {0x00003000u, 0x2C, 0, 0});
  EXPECT_TRUE(cacheLines(cpu).empty());
}

// An AMD processor with the given 0x80000005 and 0x80000006 registers.
FakeCpuid amdWithCaches(engine::CpuidRegisters leaf5, engine::CpuidRegisters leaf6) {
  FakeCpuid cpu = amd(0x15, 1, 2);
  cpu.set(0x80000005u, leaf5).set(0x80000006u, leaf6);
  return cpu;
}

const engine::CpuidRegisters kAmdLevel1 = {0xFF11FF08u, 0x4020FF10u, 0x10040140u, 0x40020140u};

TEST(ProcessorReport, AmdLevel1LinesReplaceFullAssociativityAndHalve4MbEntries) {
  const Lines expected = {"I-cache: 64Kb, 2-way, 1 line(s) per tag, 64 bytes per line",
                          "D-cache: 16Kb, 4-way, 1 line(s) per tag, 64 bytes per line",
                          "I-TLB (4Kb pages): 16 entries, 16-way",
                          "I-TLB (4Mb pages): 4 entries, 4-way",
                          "D-TLB (4Kb pages): 32 entries, 64-way",
                          "D-TLB (4Mb pages): 8 entries, 8-way"};
  EXPECT_EQ(cacheLines(amdWithCaches(kAmdLevel1, {}).maxExtended(0x80000005u)), expected);
  EXPECT_TRUE(cacheLines(amdWithCaches(kAmdLevel1, {}).maxExtended(0x80000004u)).empty());
}

TEST(ProcessorReport, AmdLevel2And3Lines) {
  struct Case {
    const char* label;
    engine::CpuidRegisters leaf6;
    Lines expected;
  };
  const Case cases[] = {
      {"4 MB TLB line only after a 4 KB one",
       {0x00004100u, 0x00000000u, 0x02008140u, 0},
       {"S-cache: 512Kb, 16-way, 1 line(s) per tag, 64 bytes per line"}},
      {"fully associative TLBs take their entry counts",
       {0x0000F100u, 0x0000F200u, 0x0400A140u, 0},
       {"S-cache: 1024Kb, 32-way, 1 line(s) per tag, 64 bytes per line",
        "S-TLB (4Kb pages): 512 entries, 512-way", "S-TLB (4Mb pages): 128 entries, 128-way"}},
      {"level 3 size in 512 KB units",
       {0, 0, 0x0100E140u, (24u << 18) | 0xD140u},
       {"S-cache: 256Kb, 128-way, 1 line(s) per tag, 64 bytes per line",
        "T-cache: 12288Kb, 96-way, 1 line(s) per tag, 64 bytes per line"}},
      {"code 5 is 6-way",
       {0, 0, 0x00405140u, (2u << 18) | 0x5140u},
       {"S-cache: 64Kb, 6-way, 1 line(s) per tag, 64 bytes per line",
        "T-cache: 1024Kb, 6-way, 1 line(s) per tag, 64 bytes per line"}},
      {"code 9 without leaf 0x8000001D",
       {0, 0, 0x04009140u, (64u << 18) | 0x9140u},
       {"S-cache: [unknown]", "T-cache: [unknown]"}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.label);
    Lines lines = cacheLines(amdWithCaches(kAmdLevel1, row.leaf6));
    lines.erase(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(lines, row.expected);
  }
}

TEST(ProcessorReport, AmdCode9TakesTheWaysFromLeaf8000001D) {
  FakeCpuid cpu = amdWithCaches(kAmdLevel1, {0, 0, 0x04009140u, (64u << 18) | 0x9140u});
  cpu.set(0x8000001Du, {0x121, 0x01C0003Fu, 0x3F, 0}, 0)     // level-1 data, 8-way
      .set(0x8000001Du, {0x122, 0x00C0003Fu, 0x3F, 0}, 1)    // level-1 instruction, 4-way
      .set(0x8000001Du, {0x143, 0x01C0003Fu, 0x7FF, 0}, 2)   // level 2, 8-way
      .set(0x8000001Du, {0x163, 0x03C0003Fu, 0x7FFF, 0}, 3)  // level 3, 16-way
      .set(0x8000001Du, {0, 0, 0, 0}, 4);
  Lines lines = cacheLines(cpu);
  lines.erase(lines.begin(), lines.begin() + 6);
  const Lines expected = {"S-cache: 1024Kb, 8-way, 1 line(s) per tag, 64 bytes per line",
                          "T-cache: 32768Kb, 16-way, 1 line(s) per tag, 64 bytes per line"};
  EXPECT_EQ(lines, expected);
}

TEST(ProcessorReport, ExtendedCacheLinesForViaC3UnderTheCyrixVendor) {
  const engine::CpuidRegisters leaf5 = {0, 0x08800880u, 0x40040120u, 0x40040120u};
  const engine::CpuidRegisters leaf6 = {0, 0, 0x00408120u, 0};
  FakeCpuid samuel("CyrixInstead", signature(6, 6, 2));
  samuel.set(0x80000005u, leaf5).set(0x80000006u, leaf6);
  EXPECT_EQ(cacheLines(samuel).size(), 7u);
  FakeCpuid mii("CyrixInstead", signature(6, 0, 0));
  mii.set(0x80000005u, leaf5).set(0x80000006u, leaf6);
  EXPECT_TRUE(cacheLines(mii).empty());
}

TEST(ProcessorReport, HyperThreadingLineOnIntelFamily6Models10To1F) {
  struct Case {
    const char* label;
    FakeCpuid cpu;
    std::uint32_t edx;
    bool printed;
  };
  const Case cases[] = {
      {"model 0x17 with HTT", intel(6, 0x17, 6), kHtt, true},
      {"model 0x17 without HTT", intel(6, 0x17, 6), 0, false},
      {"model 0x2A with HTT", intel(6, 0x2A, 7), kHtt, false},
      {"model 0xF with HTT", intel(6, 0xF, 6), kHtt, false},
      {"family 0xF model 0x10 with HTT", intel(0xF, 0x10, 1), kHtt, false},
      {"AMD family 6 model 0x17 with HTT", amd(6, 0x17, 1), kHtt, false},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.label);
    FakeCpuid cpu = row.cpu;
    cpu.leaf1(0x00040800u, 0, row.edx);
    const Lines lines = reportLines(cpu);
    if (row.printed) {
      EXPECT_EQ(lines.back(), "HTT: 4 logical core(s) supported");
    } else {
      EXPECT_EQ(lines.back().compare(0, 6, "Other:"), 0) << lines.back();
    }
  }
}

}  // namespace
