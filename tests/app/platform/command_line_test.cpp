#include "command_line.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "sandbox.h"

namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, ArgumentsFollowTheCRuntimeRules) {
  const struct {
    const char* line;
    const char* program;
    Words arguments;
  } cases[] = {
      {"/nowhere/ram.exe -b1 -g8", "/nowhere/ram.exe", {"-b1", "-g8"}},
      {"  /nowhere/ram.exe\t-b15  -t1 -g4  ", "/nowhere/ram.exe", {"-b15", "-t1", "-g4"}},
      {"/nowhere/ram.exe", "/nowhere/ram.exe", {}},
      {"\"/no where/ram.exe\" -i", "/no where/ram.exe", {"-i"}},
      {"\"/no where/ram.exe\"-i", "/no where/ram.exe", {"-i"}},
      {"\"/no where/ram.exe", "/no where/ram.exe", {}},
      {"p \"a b\" c", "p", {"a b", "c"}},
      {"p a\"b c\"d", "p", {"ab cd"}},
      {"p \"\"", "p", {""}},
      {"p \"say \"\"hi\"\"\"", "p", {"say \"hi\""}},
      {"p a\\\\b", "p", {"a\\\\b"}},
      {"p a\\\"b", "p", {"a\"b"}},
      {"p a\\\\\"b c\"", "p", {"a\\b c"}},
      {"p a\\\\\\\"b", "p", {"a\\\"b"}},
      {"p \"open", "p", {"open"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto split = platform::SplitCommandLine(c.line);
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->program, c.program);
    EXPECT_EQ(split->arguments, c.arguments);
  }
}

TEST(CommandLine, BlankLineHasNoProgram) {
  EXPECT_FALSE(platform::SplitCommandLine("").has_value());
  EXPECT_FALSE(platform::SplitCommandLine(" \t ").has_value());
}

TEST(CommandLine, UnquotedPathWithBlanksResolvesOverItsPrefixes) {
  Sandbox sandbox;
  const std::string tools = sandbox / "my tools";
  const std::string deeper = sandbox / "my tools x";
  ASSERT_EQ(::mkdir(tools.c_str(), 0700), 0);
  ASSERT_EQ(::mkdir(deeper.c_str(), 0700), 0);
  WriteFile(tools + "/RAM.exe", "");
  WriteFile(deeper + "/y.exe", "");
  // A folder named like a shorter prefix is not a program.
  ASSERT_EQ(::mkdir((sandbox / "my").c_str(), 0700), 0);

  const struct {
    std::string line;
    std::string program;
    Words arguments;
  } cases[] = {
      {tools + "/ram.exe -b1 -g8", tools + "/RAM.exe", {"-b1", "-g8"}},
      {tools + "/RAM.exe", tools + "/RAM.exe", {}},
      {deeper + "/y.exe -i", deeper + "/y.exe", {"-i"}},
      {"\"" + tools + "/ram.exe\" -b2", tools + "/RAM.exe", {"-b2"}},
      // Nothing on disk: the first word is the program, as the runner will then report.
      {tools + "/missing.exe -b1", sandbox / "my", {"tools/missing.exe", "-b1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto split = platform::SplitCommandLine(c.line);
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->program, c.program);
    EXPECT_EQ(split->arguments, c.arguments);
  }
}

TEST(CommandLine, ShortestExistingPrefixWins) {
  Sandbox sandbox;
  WriteFile(sandbox / "my", "a file named like the first word");
  ASSERT_EQ(::mkdir((sandbox / "my tools").c_str(), 0700), 0);
  WriteFile(sandbox / "my tools/ram.exe", "");
  const auto split = platform::SplitCommandLine(sandbox / "my tools/ram.exe -b1");
  ASSERT_TRUE(split.has_value());
  EXPECT_EQ(split->program, sandbox / "my");
  EXPECT_EQ(split->arguments, (Words{"tools/ram.exe", "-b1"}));
}

}  // namespace
