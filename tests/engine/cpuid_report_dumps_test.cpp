// The report of every recorded processor against its expected report, worked out by hand from
// the dump's registers, through the library and through the cpuid-report tool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cpu/cpuid_dump.h"
#include "cpu/processor_report.h"
#include "cpu/vector_features.h"
#include "engine_process.h"

namespace {

using engine_test::runProcess;
using engine_test::splitLines;

const std::string kDumpDir = CPUID_DUMP_DIR;

const char* const kDumps[] = {
    "amd-0608-thoroughbred",  "amd-0F2B-manchester",
    "amd-0F2F-venice",        "amd-0F43-windsor",
    "amd-1004-deneb",         "amd-1103-griffin",
    "amd-1501-zambezi",       "centaur-0609-nehemiah",
    "cyrix-0600-mii",         "intel-0608-coppermine",
    "intel-060F-conroe",      "intel-061A-bloomfield",
    "intel-062A-sandybridge", "intel-0F04-prescott-celerond",
    "intel-0F04-prescott2m",  "transmeta-0504-crusoe",
};

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string dumpPath(const std::string& name) { return kDumpDir + "/" + name + ".txt"; }
std::string expectedReport(const std::string& name) {
  return readFile(kDumpDir + "/" + name + ".report");
}

class DumpReport : public ::testing::TestWithParam<const char*> {};

TEST_P(DumpReport, MatchesTheExpectedReport) {
  const engine::CpuidDump dump = engine::CpuidDump::load(dumpPath(GetParam()));
  EXPECT_EQ(engine::processorReport(dump), expectedReport(GetParam()));
}

TEST_P(DumpReport, ToolPrintsTheSameReport) {
  const auto result = runProcess(CPUID_REPORT_PATH, {dumpPath(GetParam())});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, expectedReport(GetParam()));
}

TEST_P(DumpReport, GatingAgreesWithTheVectorLine) {
  const engine::CpuidDump dump = engine::CpuidDump::load(dumpPath(GetParam()));
  std::string vector;
  for (const std::string& line : splitLines(engine::processorReport(dump))) {
    if (line.compare(0, 7, "Vector:") == 0) vector = line.substr(7);
  }
  const engine::VectorFeatures features = engine::detectVectorFeatures(engine::CpuidReader(dump));
  EXPECT_EQ(features.mmx, vector.find(" MMX ") != std::string::npos) << vector;
  EXPECT_EQ(features.mmxPlus, vector.find(" MMX+ ") != std::string::npos) << vector;
  EXPECT_EQ(features.sse, vector.find(" SSE ") != std::string::npos) << vector;
}

std::string testName(const ::testing::TestParamInfo<const char*>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Dumps, DumpReport, ::testing::ValuesIn(kDumps), testName);

TEST(CpuidReportTool, ReportsWhatKeepsItFromReadingADump) {
  char path[] = "/tmp/cpuid-dump-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  const std::string malformed = "# a dump\nCPUID 00000000: 0000000D-68747541\n";
  ASSERT_EQ(write(fd, malformed.data(), malformed.size()), static_cast<ssize_t>(malformed.size()));
  close(fd);
  const auto bad = runProcess(CPUID_REPORT_PATH, {path});
  std::remove(path);
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find(std::string(path) + ": line 2: "), std::string::npos) << bad.err;

  const auto missing = runProcess(CPUID_REPORT_PATH, {kDumpDir + "/no-such-dump.txt"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no-such-dump.txt: No such file or directory"), std::string::npos)
      << missing.err;

  const auto usage = runProcess(CPUID_REPORT_PATH, {});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_EQ(usage.err, "usage: cpuid-report DUMPFILE\n");
}

}  // namespace
