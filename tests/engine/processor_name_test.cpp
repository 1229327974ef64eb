// The processor name line and the instance counts, for the decisions of the name tables that the
// recorded dumps do not reach.
#include "cpu/processor_name.h"

#include <gtest/gtest.h>

#include "cpu/processor_report.h"
#include "cpuid_builders.h"

namespace {

using engine_test::amd;
using engine_test::FakeCpuid;
using engine_test::intel;
using engine_test::leaf2;
using engine_test::signature;

engine::ProcessorName nameOf(const FakeCpuid& cpu) {
  const engine::CpuidReader reader(cpu);
  const engine::ProcessorSignature processor = engine::readSignature(reader);
  return engine::identifyProcessor(processor, engine::readNameInputs(processor, reader));
}

FakeCpuid withCores(FakeCpuid cpu, unsigned coresField) {
  cpu.set(4, {coresField << 26, 0, 0, 0});
  return cpu;
}

FakeCpuid withLeaf2(FakeCpuid cpu, engine::CpuidRegisters registers) {
  cpu.set(2, registers);
  return cpu;
}

FakeCpuid withBrandIndex(FakeCpuid cpu, unsigned brandIndex) {
  cpu.leaf1(brandIndex, 0, 0);
  return cpu;
}

// AMD family 0xF and later: 0x80000001 EBX and 0x80000008 ECX make the brand key.
FakeCpuid withBrandKey(FakeCpuid cpu, std::uint32_t extendedEbx, std::uint32_t addressEcx) {
  const std::uint32_t extendedEax = cpu.query(0x80000001u, 0).eax;
  cpu.set(0x80000001u, {extendedEax, extendedEbx, 0, 0});
  cpu.set(0x80000008u, {0, 0, addressEcx, 0});
  return cpu;
}

FakeCpuid withLevel2(FakeCpuid cpu, unsigned kilobytes) {
  cpu.set(0x80000006u, {0, 0, kilobytes << 16, 0});
  return cpu;
}

FakeCpuid withExtendedEdx(FakeCpuid cpu, std::uint32_t edx) {
  const engine::CpuidRegisters extended = cpu.query(0x80000001u, 0);
  cpu.set(0x80000001u, {extended.eax, extended.ebx, extended.ecx, edx});
  return cpu;
}

constexpr std::uint32_t kMpBit = 1u << 19;
constexpr std::uint32_t kLongModeBit = 1u << 29;
constexpr std::uint32_t kVmxBit = 1u << 5;
constexpr std::uint32_t kOverdriveBit = 1u << 12;

struct NameCase {
  const char* label;
  FakeCpuid (*cpu)();
  const char* line;
  unsigned level1;
  unsigned level2;
};

const NameCase kNameCases[] = {
    // Intel family 6
    {"model 0x2A and later", [] { return intel(6, 0x2A, 7); },
     "Intel [Pentium Pro class] processor", 1, 1},
    {"Pentium Pro stepping 3", [] { return intel(6, 0x1, 3); }, "Intel Pentium Pro 350nm processor",
     1, 1},
    {"Pentium Pro stepping 2", [] { return intel(6, 0x1, 2); }, "Intel Pentium Pro 600nm processor",
     1, 1},
    {"OverDrive type bit",
     [] { return FakeCpuid("GenuineIntel", signature(6, 3, 2) | kOverdriveBit); },
     "Intel Pentium II OverDrive (P6T) 250nm processor", 1, 1},
    {"model 5, low byte below 0x43",
     [] {
       return withLeaf2(intel(6, 5, 2), {1, 0, 0, 0x42});
     },
     "Intel Celeron (Covington) 250nm processor", 1, 1},
    {"model 5, low byte 0x43",
     [] {
       return withLeaf2(intel(6, 5, 2), {1, 0, 0, 0x43});
     },
     "Intel Pentium II (Deschutes) 250nm processor", 1, 1},
    {"model 5, low byte above 0x43, EDX bit 31 set",
     [] {
       return withLeaf2(intel(6, 5, 2), {1, 0, 0, 0x80000044u});
     },
     "Intel Pentium II Xeon (Drake) 250nm processor", 1, 1},
    {"model 6 stepping 5", [] { return intel(6, 6, 5); },
     "Intel Celeron (Mendocino) 250nm processor", 1, 1},
    {"model 6, low byte below 0x42",
     [] {
       return withLeaf2(intel(6, 6, 0xA), {1, 0, 0, 0x41});
     },
     "Intel Celeron (Dixon) 250nm processor", 1, 1},
    {"model 6, low byte 0x42",
     [] {
       return withLeaf2(intel(6, 6, 0xA), {1, 0, 0, 0x42});
     },
     "Intel Pentium II (Dixon) 250nm or 180nm processor", 1, 1},
    {"model 7, low byte above 0x43",
     [] {
       return withLeaf2(intel(6, 7, 3), {1, 0, 0, 0x45});
     },
     "Intel Pentium III Xeon (Tanner) 250nm processor", 1, 1},
    {"model 8, brand index 1", [] { return withBrandIndex(intel(6, 8, 6), 1); },
     "Intel Celeron (Coppermine) 180nm processor", 1, 1},
    {"model 8, brand index 3", [] { return withBrandIndex(intel(6, 8, 6), 3); },
     "Intel Pentium III Xeon (Coppermine) 180nm processor", 1, 1},
    {"model 0xB, brand index 7", [] { return withBrandIndex(intel(6, 0xB, 1), 7); },
     "Intel Celeron (Tualatin) 130nm processor", 1, 1},
    {"model 0xD, brand index 0x12", [] { return withBrandIndex(intel(6, 0xD, 6), 0x12); },
     "Intel Celeron M (Dothan) 90nm processor", 1, 1},
    {"model 0xE, cores field 0", [] { return intel(6, 0xE, 8); },
     "Intel Core Solo (Yonah) 65nm processor", 1, 1},
    {"model 0xE, cores field 1", [] { return withCores(intel(6, 0xE, 8), 1); },
     "Intel Core Duo (Yonah) 65nm processor", 2, 1},
    {"model 0xF, cores field 3", [] { return withCores(intel(6, 0xF, 7), 3); },
     "Intel Core 2 Quad (Kentsfield) 65nm processor", 4, 2},
    {"model 0xF without VMX, descriptor 0x7F",
     [] {
       return withLeaf2(withCores(intel(6, 0xF, 2), 1), leaf2({0x7F, 0x78}));
     },
     "Intel Celeron Duo (Allendale) 65nm processor", 2, 1},
    {"model 0xF without VMX, descriptor 0x78",
     [] { return withLeaf2(withCores(intel(6, 0xF, 2), 1), leaf2({0x78})); },
     "Intel Pentium Duo (Allendale) 65nm processor", 2, 1},
    {"model 0xF without VMX or 0x7F and 0x78",
     [] { return withLeaf2(withCores(intel(6, 0xF, 2), 1), leaf2({0x7D})); },
     "Intel Core 2 Duo (Allendale) 65nm processor", 2, 1},
    {"model 0xF with VMX beats descriptor 0x7F",
     [] {
       FakeCpuid cpu = withLeaf2(withCores(intel(6, 0xF, 6), 1), leaf2({0x7F}));
       cpu.leaf1(0, kVmxBit, 0);
       return cpu;
     },
     "Intel Core 2 Duo (Conroe) 65nm processor", 2, 1},
    {"model 0x16, descriptor 0x78", [] { return withLeaf2(intel(6, 0x16, 1), leaf2({0x78})); },
     "Intel Celeron (Allendale) 65nm processor", 1, 1},
    {"model 0x16", [] { return intel(6, 0x16, 1); }, "Intel Celeron (Conroe-L) 65nm processor", 1,
     1},
    {"model 0x17, cores field 3", [] { return withCores(intel(6, 0x17, 7), 3); },
     "Intel Core 2 Quad (Yorkfield) 45nm processor", 4, 2},
    {"model 0x17, cores field 1", [] { return withCores(intel(6, 0x17, 6), 1); },
     "Intel Core 2 Duo (Wolfdale) 45nm processor", 2, 1},
    {"model 0x1A, cores field 7", [] { return withCores(intel(6, 0x1A, 5), 7); },
     "Intel Core i7 (Nehalem) 45nm processor", 4, 4},
    {"model 0x1B, cores field 3", [] { return withCores(intel(6, 0x1B, 5), 3); },
     "Intel Core i7 (Nehalem) 45nm processor", 2, 2},
    {"model 0x1C", [] { return intel(6, 0x1C, 2); }, "Intel Atom 200 45nm processor", 1, 1},
    {"model 0x1D, cores field 5", [] { return withCores(intel(6, 0x1D, 1), 5); },
     "Intel Xeon MP (Dunnington) 45nm processor", 6, 3},
    {"model 0x1D, cores field 3", [] { return withCores(intel(6, 0x1D, 1), 3); },
     "Intel Xeon MP (Dunnington) 45nm processor", 4, 2},
    // Intel family 0xF
    {"Willamette, brand index 0xB", [] { return withBrandIndex(intel(0xF, 1, 2), 0xB); },
     "Intel Xeon MP (Willamette) 180nm processor", 1, 1},
    {"Willamette, unknown brand index", [] { return intel(0xF, 0, 7); },
     "Intel [unknown] (Willamette) 180nm processor", 1, 1},
    {"Northwood, brand index 0xF",
     [] { return withLeaf2(withBrandIndex(intel(0xF, 2, 7), 0xF), leaf2({0x40})); },
     "Intel Celeron (Northwood) 130nm processor", 1, 1},
    {"Gallatin, brand index 9", [] { return withBrandIndex(intel(0xF, 2, 5), 9); },
     "Intel Pentium 4 Extreme (Gallatin) 130nm processor", 1, 1},
    {"Gallatin, brand index 0xC", [] { return withBrandIndex(intel(0xF, 2, 5), 0xC); },
     "Intel Xeon MP (Gallatin) 130nm processor", 1, 1},
    {"model 3, long mode", [] { return withExtendedEdx(intel(0xF, 3, 4), kLongModeBit); },
     "Intel Xeon (Prescott) 90nm processor", 1, 1},
    {"model 3, descriptor 0x3C beats long mode",
     [] { return withLeaf2(withExtendedEdx(intel(0xF, 3, 4), kLongModeBit), leaf2({0x3C})); },
     "Intel Celeron (Prescott) 90nm processor", 1, 1},
    {"model 3", [] { return intel(0xF, 3, 4); }, "Intel Pentium 4 (Prescott) 90nm processor", 1, 1},
    {"model 4 stepping 1 without descriptor 0x40 has a level 3",
     [] {
       return withLeaf2(intel(0xF, 4, 1), leaf2({0x7D, 0x23}));
     },
     "Intel Xeon MP (Potomac) 90nm processor", 1, 1},
    {"model 4 stepping 9 with descriptor 0x40",
     [] {
       return withLeaf2(intel(0xF, 4, 9), leaf2({0x40, 0x7D}));
     },
     "Intel Pentium 4 (Prescott) 90nm processor", 1, 1},
    {"model 4 stepping 8", [] { return intel(0xF, 4, 8); },
     "Intel Pentium D (Smithfield) 90nm processor", 2, 2},
    {"model 4 stepping 0xA", [] { return intel(0xF, 4, 0xA); },
     "Intel Pentium 4 (Prescott 2M) 90nm processor", 1, 1},
    {"model 4 stepping 7", [] { return intel(0xF, 4, 7); }, "Intel [unknown] 90nm processor", 1, 1},
    {"model 6, cores field 1", [] { return withCores(intel(0xF, 6, 4), 1); },
     "Intel Pentium D (Presler) 65nm processor", 2, 2},
    {"model 6, descriptor 0x7B", [] { return withLeaf2(intel(0xF, 6, 5), leaf2({0x7B})); },
     "Intel Celeron (Cedar Mill) 65nm processor", 1, 1},
    {"model 6", [] { return intel(0xF, 6, 5); }, "Intel Pentium 4 (Cedar Mill) 65nm processor", 1,
     1},
    {"model 5", [] { return intel(0xF, 5, 0); }, "Intel [Pentium 4 class] processor", 1, 1},
    // Intel, other families
    {"family 5 model 4", [] { return intel(5, 4, 3); }, "Intel Pentium MMX (P55C) 0.28u processor",
     1, 1},
    {"family 5 model 5", [] { return intel(5, 5, 0); }, "Intel [Pentium class] processor", 1, 1},
    {"family 4 model 7", [] { return intel(4, 7, 0); }, "Intel 486DX2 0.8u processor", 1, 1},
    {"family 4 model 6", [] { return intel(4, 6, 0); }, "Intel [486 class] processor", 1, 1},
    {"family 0x10", [] { return intel(0x10, 1, 0); }, "Intel [unknown] processor", 1, 1},
    // AMD
    {"family 0x15", [] { return amd(0x15, 1, 2); }, "AMD [unknown] processor", 1, 1},
    {"family 0x1A", [] { return amd(0x1A, 2, 1); }, "AMD [unknown] processor", 1, 1},
    {"family 4 model 0xE", [] { return amd(4, 0xE, 4); }, "AMD 5x86 0.35u processor", 1, 1},
    {"family 5 model 0xD with 256 KB level 2", [] { return withLevel2(amd(5, 0xD, 0), 256); },
     "AMD K6-III+ 180nm processor", 1, 1},
    {"family 5 model 0xD with 128 KB level 2", [] { return withLevel2(amd(5, 0xD, 0), 128); },
     "AMD K6-2+ 180nm processor", 1, 1},
    {"Palomino with 64 KB level 2", [] { return withLevel2(amd(6, 6, 2), 64); },
     "AMD Duron (Palomino) 180nm processor", 1, 1},
    {"Palomino with the MP bit",
     [] { return withExtendedEdx(withLevel2(amd(6, 6, 2), 256), kMpBit); },
     "AMD Athlon MP (Palomino) 180nm processor", 1, 1},
    {"Barton", [] { return amd(6, 0xA, 0); }, "AMD Athlon XP (Barton) 130nm processor", 1, 1},
    {"family 6 model 5", [] { return amd(6, 5, 0); }, "AMD [Athlon class] processor", 1, 1},
    {"family 0xF, unknown model", [] { return withBrandKey(amd(0xF, 0x1E, 0), 0x104, 0); },
     "AMD Athlon 64 (unknown) processor", 1, 1},
    {"family 0xF, key from the brand index", [] { return withBrandIndex(amd(0xF, 5, 1), 0x80); },
     "AMD Opteron DP (Sledgehammer) 130nm processor", 1, 1},
    {"family 0xF, the extended key overrides the brand index",
     [] { return withBrandKey(withBrandIndex(amd(0xF, 0x27, 1), 0x80), 0x880, 0); },
     "AMD Sempron (San Diego) 90nm processor", 1, 1},
    {"family 0xF, unknown low byte", [] { return withBrandKey(amd(0xF, 0x2C, 2), 0x40, 0); },
     "AMD [Athlon 64 class] (Venice) 90nm processor", 1, 1},
    {"family 0xF, whole key 0x1305", [] { return withBrandKey(amd(0xF, 0x43, 2), 5 << 9, 1); },
     "AMD Athlon 64 FX (Windsor) 90nm processor", 2, 2},
    {"family 0xF, whole key 0x1002", [] { return withBrandKey(amd(0xF, 0x48, 2), 2 << 9, 1); },
     "AMD Turion X2 (Windsor) 90nm processor", 2, 2},
    {"family 0xF, unknown whole key", [] { return withBrandKey(amd(0xF, 0x6B, 2), 7 << 9, 0); },
     "AMD [Athlon 64 class] (Brisbane) 65nm processor", 2, 2},
    {"family 0x10, key 0x218", [] { return withBrandKey(amd(0x10, 2, 3), 0x10004000u, 2); },
     "AMD Phenom II X3 (Barcelona) 65nm processor", 3, 3},
    {"family 0x10, key 0x501", [] { return withBrandKey(amd(0x10, 8, 0), 0x00000800u, 5); },
     "AMD Opteron DP X6 (unknown) processor", 6, 6},
    {"family 0x10, unknown key", [] { return withBrandKey(amd(0x10, 6, 0), 0, 0); },
     "AMD [Phenom class] (Istanbul) 45nm processor", 1, 1},
    {"family 0x11, key 0x20", [] { return withBrandKey(amd(0x11, 3, 1), 0x20000000u, 0); },
     "AMD Sempron (Griffin) 65nm processor", 1, 1},
    {"family 0x11, key 0x122", [] { return withBrandKey(amd(0x11, 3, 1), 0x20001000u, 1); },
     "AMD Athlon X2 (Griffin) 65nm processor", 2, 2},
    // The other vendors
    {"VIA C3 model 7 stepping 8", [] { return FakeCpuid("CentaurHauls", signature(6, 7, 8)); },
     "VIA C3 (Ezra) 0.15u processor", 1, 1},
    {"VIA C3 model 7 stepping 7", [] { return FakeCpuid("CentaurHauls", signature(6, 7, 7)); },
     "VIA C3 (Samuel 2) 0.15u processor", 1, 1},
    {"VIA model 0xA", [] { return FakeCpuid("CentaurHauls", signature(6, 0xA, 0)); },
     "VIA [unknown 686] processor", 1, 1},
    {"IDT WinChip 2", [] { return FakeCpuid("CentaurHauls", signature(5, 8, 5)); },
     "IDT WinChip 2 (C6+) 0.35u-0.25u processor", 1, 1},
    {"Centaur family 7", [] { return FakeCpuid("CentaurHauls", signature(7, 0, 0)); },
     "VIA [unknown] processor", 1, 1},
    {"VIA C3 with the Cyrix vendor, key 0x76",
     [] { return FakeCpuid("CyrixInstead", signature(6, 7, 8)); }, "VIA C3 (Ezra) 0.15u processor",
     1, 1},
    {"VIA C3 with the Cyrix vendor, key 0x66",
     [] { return FakeCpuid("CyrixInstead", signature(6, 6, 2)); },
     "VIA C3 (Samuel) 0.18u processor", 1, 1},
    {"Cyrix MediaGX", [] { return FakeCpuid("CyrixInstead", signature(4, 4, 0)); },
     "Cyrix MediaGX (Gx86) 0.35u processor", 1, 1},
    {"Cyrix, unknown key", [] { return FakeCpuid("CyrixInstead", signature(5, 3, 0)); },
     "Cyrix [unknown] processor", 1, 1},
    {"Transmeta, unknown key", [] { return FakeCpuid("GenuineTMx86", signature(6, 4, 0)); },
     "Transmeta [unknown] processor", 1, 1},
    {"Rise Kirin", [] { return FakeCpuid("RiseRiseRise", signature(5, 2, 0)); },
     "Rise iDragon mP6 (Kirin) 0.18u processor", 1, 1},
    {"NexGen", [] { return FakeCpuid("NexGenDriven", signature(5, 0, 4)); },
     "NexGen 586 0.50u or 586FP 0.44u processor", 1, 1},
    {"UMC U5SX", [] { return FakeCpuid("UMC UMC UMC ", signature(4, 2, 0)); },
     "UMC U5SX 0.6u processor", 1, 1},
    {"NSC Geode GX2", [] { return FakeCpuid("Geode by NSC", signature(5, 5, 0)); },
     "NSC Geode GX2 0.13u processor", 1, 1},
    {"SiS", [] { return FakeCpuid("SiS SiS SiS ", signature(5, 0, 1)); }, "SiS 55x86 processor", 1,
     1},
    {"unknown vendor", [] { return FakeCpuid("HygonGenuine", signature(0x18, 1, 1)); }, "", 1, 1},
};

TEST(ProcessorName, NamesEveryDecisionOfTheTables) {
  for (const NameCase& row : kNameCases) {
    SCOPED_TRACE(row.label);
    const engine::ProcessorName name = nameOf(row.cpu());
    EXPECT_EQ(name.line, row.line);
    EXPECT_EQ(name.counts.level1, row.level1);
    EXPECT_EQ(name.counts.level2, row.level2);
  }
}

TEST(ProcessorName, InstanceCountsPrefixTheCacheLines) {
  FakeCpuid nehalem = withCores(intel(6, 0x1A, 5), 7);
  nehalem.set(2, leaf2({0x2C, 0x30, 0x21, 0xCA, 0xE4}));
  const std::string report = engine::processorReport(nehalem);
  EXPECT_NE(report.find("\n4x D-cache: 32Kb, 8-way, 64 bytes per line\n"), std::string::npos);
  EXPECT_NE(report.find("\n4x I-cache: 32Kb, 8-way, 64 bytes per line\n"), std::string::npos);
  EXPECT_NE(report.find("\n4x S-cache: 256Kb, 8-way, 64 bytes per line\n"), std::string::npos);
  EXPECT_NE(report.find("\n4x S-TLB (4Kb pages): 512 entries, 4-way\n"), std::string::npos);
  // The level-3 cache is shared by every core.
  EXPECT_NE(report.find("\nT-cache: 8192Kb, 16-way, 64 bytes per line\n"), std::string::npos);
}

}  // namespace
