// The MMX, MMX+ and SSE benchmarks run only on processors whose report lists the feature.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "captured_output.h"
#include "cpuid_builders.h"
#include "engine_run.h"

namespace {

using engine_test::amd;
using engine_test::CapturedOutput;
using engine_test::FakeCpuid;
using engine_test::intel;

struct EngineResult {
  int exitCode;
  std::string out;
};

EngineResult runOn(const FakeCpuid& cpu, const std::vector<std::string>& switches) {
  std::vector<const char*> argv = {"RAM.exe"};
  for (const std::string& word : switches) argv.push_back(word.c_str());
  CapturedOutput out, diagnostics;
  const engine::EngineEnvironment env{out.file(), diagnostics.file(), &cpu, 1000000000u};
  const int exitCode =
      engine::runEngine(static_cast<int>(argv.size()), argv.data(), engine::Edition::Current, env);
  return {exitCode, out.text()};
}

constexpr std::uint32_t kFpu = 1u << 0, kMmx = 1u << 23, kSse = 1u << 25;
constexpr std::uint32_t kExtendedMmx = 1u << 22;

const char kNoMmx[] = "ERROR: no MMX support available\n";
const char kNoMmxPlus[] = "ERROR: no MMX+ support available\n";
const char kNoSse[] = "ERROR: no SSE support available\n";

FakeCpuid pentium() { return intel(5, 2, 5).leaf1(0, 0, kFpu); }
FakeCpuid pentiumMmx() { return intel(5, 4, 3).leaf1(0, 0, kFpu | kMmx); }

// An Athlon (Thunderbird): MMX+ from the extended leaf, no SSE.
FakeCpuid thunderbird() {
  FakeCpuid cpu = amd(6, 4, 2);
  cpu.leaf1(0, 0, kFpu | kMmx).set(0x80000001u, {0, 0, 0, kExtendedMmx});
  return cpu;
}

TEST(BenchmarkGating, MissingFeatureRefusesTheBenchmark) {
  struct Case {
    const char* label;
    FakeCpuid cpu;
    std::vector<int> ids;
    const char* line;
  };
  const Case cases[] = {
      {"no MMX", pentium(), {7, 8, 9}, kNoMmx},
      {"no MMX+", pentiumMmx(), {13, 14, 15}, kNoMmxPlus},
      {"no SSE", thunderbird(), {10, 11, 12, 16, 17, 18}, kNoSse},
      {"no CPUID, no MMX", FakeCpuid::withoutCpuid(), {7, 8, 9}, kNoMmx},
      {"no CPUID, no MMX+", FakeCpuid::withoutCpuid(), {13, 14, 15}, kNoMmxPlus},
      {"no CPUID, no SSE", FakeCpuid::withoutCpuid(), {10, 11, 12, 16, 17, 18}, kNoSse},
  };
  for (const Case& row : cases) {
    for (const int id : row.ids) {
      SCOPED_TRACE(std::string(row.label) + ", id " + std::to_string(id));
      const EngineResult result = runOn(row.cpu, {"-b", std::to_string(id), "-g", "1", "-m", "1"});
      EXPECT_EQ(result.exitCode, 1);
      EXPECT_EQ(result.out, row.line);
    }
  }
}

TEST(BenchmarkGating, ExtendedMmxBitAloneAllowsTheMmxPlusBenchmarks) {
  const EngineResult result = runOn(thunderbird(), {"-b", "15", "-g", "1", "-m", "1"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.compare(0, 21, "MMX (nt)  Copy:      "), 0) << result.out;
}

TEST(BenchmarkGating, MmxAloneAllowsTheMmxBenchmarks) {
  const EngineResult result = runOn(pentiumMmx(), {"-b", "9", "-g", "1", "-m", "1"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.compare(0, 21, "MMX       Copy:      "), 0) << result.out;
}

TEST(BenchmarkGating, ReportSwitchPrintsOnlyTheReport) {
  const FakeCpuid cpu = pentiumMmx();
  const EngineResult report = runOn(cpu, {"-i"});
  EXPECT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.out,
            "\nGenuineIntel family 5 model 4 stepping 3\n"
            "Intel Pentium MMX (P55C) 0.28u processor\n"
            "Scalar: FPU \nVector: MMX \nGeneral: \nAddressing: \nMonitoring: \nOther: \n");
  EXPECT_EQ(runOn(cpu, {"-b", "10", "-i"}).out, report.out);
}

}  // namespace
