// The built program as a user runs it: the help, an error, and one real measurement.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "engine_process.h"

namespace {

using engine_test::runProcess;
using engine_test::splitLines;

TEST(Program, HelpListsTheOptionsAndExitsWith0) {
  const auto result = runProcess(VANTORA_BENCH_PATH, {"--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.rfind("Usage: vantora-bench [options]\n", 0), 0u);
  for (const char* option : {"--class", "--op", "--size", "--from", "--to", "--threads", "--repeat",
                             "--json", "--csv"}) {
    EXPECT_NE(result.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(result.err, "");
}

TEST(Program, BadOptionExitsWith2OnStandardErrorOnly) {
  const auto result = runProcess(VANTORA_BENCH_PATH, {"--size", "1K", "--op", "triad"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("vantora-bench: unknown operation 'triad'", 0), 0u) << result.err;
}

TEST(Program, MeasuresOnThisMachine) {
  const auto result = runProcess(VANTORA_BENCH_PATH, {"--csv", "--size", "1K", "--repeat", "1",
                                                      "--class", "int64", "--op", "read"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto lines = splitLines(result.out);
  ASSERT_EQ(lines.size(), 2u) << result.out;
  EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(int64,read,1024,1,4K,[0-9]+,[0-9]+,.*)")))
      << lines[1];
}

}  // namespace
