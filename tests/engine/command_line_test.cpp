// The engine's switches, validated in command-line order, as the desktop program and users see
// them: standard output, standard error and the exit code of the real executables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_process.h"

namespace {

using engine_test::ProcessResult;
using engine_test::runProcess;

const std::string kEngine = RAM_ENGINE_PATH;
const std::string kEarlierEngine = PELLISTO_ENGINE_PATH;

const char kPassSizeError[] = "\nERROR: invalid pass size\n";
const char kArraySizeError[] = "\nERROR: invalid array size\n";
const char kPrefetchError[] = "\nERROR: invalid software prefetch mode\n";

struct CommandLineCase {
  const char* what;
  std::vector<std::string> arguments;
  std::string out;
  int exitCode;
  std::string err = "";
};

// Cases that end before any measurement: nothing printed and exit 1 means the switches were
// accepted but no benchmark was chosen.
const CommandLineCase kCases[] = {
    {"no switches", {}, "", 1},
    {"unknown letter", {"-x"}, "", 1, kEngine + ": invalid option -- x\n"},
    {"unknown letter inside a group", {"-rx"}, "", 1, kEngine + ": invalid option -- x\n"},
    {"missing argument", {"-g"}, "", 1, kEngine + ": option requires an argument -- g\n"},
    {"missing argument after a group",
     {"-rb"},
     "",
     1,
     kEngine + ": option requires an argument -- b\n"},
    {"error of the first invalid switch only", {"-g3", "-m48", "-x"}, kPassSizeError, 1},
    {"array size checked before a later pass size", {"-m48", "-g3"}, kArraySizeError, 1},
    {"a switch after an invalid one is not reached", {"-t5", "-x"}, kPrefetchError, 1},
    {"attached argument", {"-g3"}, kPassSizeError, 1},
    {"separate argument", {"-g", "3"}, kPassSizeError, 1},
    {"argument inside a group", {"-rg3"}, kPassSizeError, 1},
    {"a separate argument may start with a dash", {"-g", "-8"}, kPassSizeError, 1},
    {"double dash ends the switches", {"--", "-g3"}, "", 1},
    {"words that are not switches are skipped", {"word", "-g3"}, kPassSizeError, 1},
    {"a lone dash is a word", {"-", "-g3"}, kPassSizeError, 1},
    {"last value of a repeated switch", {"-b1", "-b0"}, "", 1},
    {"repeated switch, second value invalid", {"-g4", "-g3"}, kPassSizeError, 1},
    {"negative id becomes 0", {"-b-5"}, "", 1},
    {"id above 18", {"-b19"}, "", 1},
    {"pass size 0", {"-g0"}, kPassSizeError, 1},
    {"pass size 3", {"-g3"}, kPassSizeError, 1},
    {"pass size 6", {"-g6"}, kPassSizeError, 1},
    {"pass size 10", {"-g10"}, kPassSizeError, 1},
    {"pass size 12", {"-g12"}, kPassSizeError, 1},
    {"pass size 14", {"-g14"}, kPassSizeError, 1},
    {"pass size -8", {"-g-8"}, kPassSizeError, 1},
    {"pass size 4096 overflows the pass volume", {"-g4096"}, kPassSizeError, 1},
    {"pass size 1", {"-g1"}, "", 1},
    {"pass size 2", {"-g2"}, "", 1},
    {"pass size 4", {"-g4"}, "", 1},
    {"pass size 8", {"-g8"}, "", 1},
    {"pass size 16", {"-g16"}, "", 1},
    {"pass size 2048", {"-g2048"}, "", 1},
    {"pass size like atoi: blanks, sign, trailing text", {"-g", " +2.5GB"}, "", 1},
    {"pass size without digits is 0", {"-gabc"}, kPassSizeError, 1},
    {"array size 0", {"-m0"}, kArraySizeError, 1},
    {"array size 48", {"-m48"}, kArraySizeError, 1},
    {"negative array size", {"-m-2097152"}, kArraySizeError, 1},
    {"array size 1", {"-m1"}, "", 1},
    {"array size larger than the pass volume", {"-b1", "-g1", "-m2048"}, kArraySizeError, 1},
    {"prefetch mode 3", {"-t3"}, kPrefetchError, 1},
    {"prefetch mode -1", {"-t-1"}, kPrefetchError, 1},
    {"prefetch mode 2 with another id", {"-t2", "-b19"}, "", 1},
    {"runs 0 and -5 are accepted", {"-l0", "-l-5"}, "", 1},
};

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, PrintsAndExits) {
  const CommandLineCase& c = GetParam();
  const ProcessResult result = runProcess(kEngine, c.arguments);
  EXPECT_EQ(result.out, c.out) << c.what;
  EXPECT_EQ(result.err, c.err) << c.what;
  EXPECT_EQ(result.exitCode, c.exitCode) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Switches, CommandLineTest, testing::ValuesIn(kCases));

TEST(CommandLine, ReportSwitchPrintsOnlyTheReport) {
  const ProcessResult alone = runProcess(kEngine, {"-i"});
  const ProcessResult withBenchmark = runProcess(kEngine, {"-b1", "-g1", "-i", "-m1"});
  EXPECT_EQ(alone.exitCode, 0);
  EXPECT_EQ(withBenchmark.exitCode, 0);
  EXPECT_EQ(alone.out.substr(0, 1), "\n");
  EXPECT_NE(alone.out.find("Vector: "), std::string::npos);
  EXPECT_EQ(withBenchmark.out, alone.out);
}

TEST(CommandLine, EarlierBuildPrintsUsageWithoutAnId) {
  const ProcessResult result = runProcess(kEarlierEngine, {"-g1"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out.rfind("USAGE: pellisto-win32 -b ID [-g size] [-m size] [-l runs]\n", 0), 0u);
  for (int id = 1; id <= 18; ++id) {
    EXPECT_NE(result.out.find(" " + std::to_string(id) + " "), std::string::npos) << id;
  }
}

TEST(CommandLine, EarlierBuildRejectsAnUnknownId) {
  for (const char* id : {"-b0", "-b19", "-b-3"}) {
    const ProcessResult result = runProcess(kEarlierEngine, {id});
    EXPECT_EQ(result.out, "\nERROR: unknown benchmark ID\n") << id;
    EXPECT_EQ(result.exitCode, 1) << id;
  }
}

// Under a 256 MB address-space limit the memory test cannot have its three 1 GB arrays, and the
// block test runs the blocks that fit before the first that does not: each ends with the error
// line and exit code 1, never with a crash or a made-up figure.
TEST(CommandLine, MemoryItCannotHaveIsReported) {
  const auto limited = [](std::vector<std::string> switches) {
    std::vector<std::string> arguments{"-c", "ulimit -v 262144 && exec \"$0\" \"$@\"", kEngine};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    return runProcess("/bin/sh", arguments);
  };
  const ProcessResult memory = limited({"-b12", "-g1", "-m1024"});
  EXPECT_EQ(memory.out, "\nERROR: out of memory\n");
  EXPECT_EQ(memory.exitCode, 1);

  const ProcessResult blocks = limited({"-b2", "-g1", "-m1024"});
  const std::vector<std::string> lines = engine_test::splitLines(blocks.out);
  ASSERT_GE(lines.size(), 13u) << blocks.out;
  EXPECT_EQ(lines.front().rfind("INTEGER & READING         1 Kb block: ", 0), 0u);
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_EQ(lines.back(), "ERROR: out of memory");
  EXPECT_LT(lines.size(), 22u) << "the 1 GB block cannot have fitted";
  EXPECT_EQ(blocks.exitCode, 1);
}

}  // namespace
