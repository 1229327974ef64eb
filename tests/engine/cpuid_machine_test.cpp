// "RAM.exe -i" on the processor running the tests: a complete report in the report's format,
// agreeing with the kernel's view of the processor.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine_process.h"

namespace {

using engine_test::runProcess;
using engine_test::splitLines;

bool matches(const std::string& line, const char* pattern) {
  return std::regex_match(line, std::regex(pattern));
}

bool isCacheOrTlbLine(const std::string& line) {
  return matches(line,
                 R"(([1-9][0-9]*x )?[IDST]-cache: ([0-9]+Kb, [0-9]+-way(, [0-9]+ line\(s\) per )"
                 R"(tag)?, [0-9]+ bytes per line|[0-9]+Kuops, [0-9]+-way))") ||
         matches(line, R"([IDST]-cache: \[unknown\])") ||
         matches(line,
                 R"(([1-9][0-9]*x )?[IDS]-TLB \(4[KM]b pages\): [0-9]+ entries, [0-9]+-way)") ||
         matches(line, R"([IDS]-TLB \(4[KM]b pages\): \[unknown\])");
}

const char* const kFeatureLines[] = {
    "Scalar: ((FPU|CMOV|CX8|CX16|AMD64) )*",
    "Vector: ((MMX|MMX\\+|3DNow!|3DNow!\\+|SSE|SSE2|SSE3) )*",
    "General: ((MSR|FXSR|CLFSH|SENTER|SCALL|VMX|SVM) )*",
    "Addressing: ((PSE|PSE36|PAE|PGE|PAT|MTRR) )*",
    "Monitoring: ((TSC|TMSC|TM|TM2|MNTR) )*",
    "Other: ((VME|DE|MCE|MCA|APIC|DS|SS|NX|DCA) )*",
};

// Checks the report line by line; returns the problem, or "" when it is well-formed.
std::string formatProblem(const std::vector<std::string>& lines) {
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return k < lines.size() ? lines[k] : std::string("<end>"); };
  if (at(i++) != "") return "no empty first line";
  if (!matches(at(i++), ".{1,12} family [0-9A-F]+ model [0-9A-F]+ stepping [0-9A-F]")) {
    return "no vendor and signature line: " + at(i - 1);
  }
  if (matches(at(i), ".+ processor") && !isCacheOrTlbLine(at(i))) ++i;
  if (matches(at(i), "BIOS name string: \".*\"")) ++i;
  while (isCacheOrTlbLine(at(i))) ++i;
  for (const char* pattern : kFeatureLines) {
    if (!matches(at(i++), pattern)) return "not a feature line: " + at(i - 1);
  }
  if (i < lines.size() && matches(at(i), "HTT: [0-9A-F]+ logical core\\(s\\) supported")) ++i;
  if (i != lines.size()) return "unexpected line: " + at(i);
  return "";
}

std::set<std::string> kernelFlags() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.compare(0, 5, "flags") != 0) continue;
    std::istringstream words(line.substr(line.find(':') + 1));
    std::set<std::string> flags;
    for (std::string word; words >> word;) flags.insert(word);
    return flags;
  }
  return {};
}

TEST(MachineReport, IsCompleteAndWellFormed) {
  const auto result = runProcess(RAM_ENGINE_PATH, {"-i"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  const std::vector<std::string> lines = splitLines(result.out);
  EXPECT_EQ(formatProblem(lines), "") << result.out;
  // The two vendors every x86-64 machine of today comes from are named, with their brand string.
  ASSERT_GE(lines.size(), 4u);
  if (matches(lines[1], "(GenuineIntel|AuthenticAMD) .*")) {
    EXPECT_TRUE(matches(lines[2], "(Intel|AMD) .+ processor")) << lines[2];
    EXPECT_TRUE(matches(lines[3], "BIOS name string: \".+\"")) << lines[3];
  }
}

TEST(MachineReport, FeatureLinesAgreeWithTheKernel) {
  const std::set<std::string> flags = kernelFlags();
  if (flags.empty()) GTEST_SKIP() << "no /proc/cpuinfo flags";
  const std::string report = runProcess(RAM_ENGINE_PATH, {"-i"}).out;
  // Instruction-set flags only: a hypervisor may hide paging flags from the kernel alone.
  const std::pair<const char*, const char*> pairs[] = {
      {"fpu", " FPU "},  {"cmov", " CMOV "}, {"cx8", " CX8 "}, {"cx16", " CX16 "},
      {"lm", " AMD64 "}, {"mmx", " MMX "},   {"sse", " SSE "}, {"sse2", " SSE2 "},
      {"pni", " SSE3 "}, {"fxsr", " FXSR "},
  };
  for (const auto& [flag, member] : pairs) {
    EXPECT_EQ(flags.count(flag) == 1, report.find(member) != std::string::npos) << flag;
  }
}

}  // namespace
