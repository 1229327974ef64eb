// The built SystemInfo.exe on this machine: what the desktop program reads from it must be there.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "sandbox.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// The value after a label padded to 27 characters, the first such line; nothing without one.
std::optional<std::string> Value(const std::vector<std::string>& lines, const std::string& label) {
  for (const std::string& line : lines) {
    if (line.size() > 27 && line.compare(0, 27, label) == 0) {
      return line.substr(27);
    }
  }
  return std::nullopt;
}

std::string DigitsOnly(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  return digits;
}

TEST(SystemInfoTool, PrintsTheSummaryTheDesktopReads) {
  Sandbox sandbox;
  const std::string command = std::string("'") + SYSTEMINFO_TOOL + "' >'" + (sandbox / "out") +
                              "' 2>'" + (sandbox / "err") + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFile(sandbox / "err"), "");

  const std::vector<std::string> lines = Lines(ReadFile(sandbox / "out"));
  EXPECT_GE(lines.size(), 10u);
  // Every line is a label padded to 27 characters with its value, or a value under the one above.
  const std::regex itemLine("[A-Z][^ ]*( [^ ]+)*: *[^ ].*|  {26}[^ ].*");
  for (const std::string& line : lines) {
    EXPECT_TRUE(std::regex_match(line, itemLine)) << line;
    EXPECT_TRUE(line.size() > 27 && line[26] == ' ' && line[27] != ' ') << line;
  }

  const std::optional<std::string> total = Value(lines, "Total Physical Memory:     ");
  const std::optional<std::string> available = Value(lines, "Available Physical Memory: ");
  const std::optional<std::string> processors = Value(lines, "Processor(s):              ");
  ASSERT_TRUE(total && available && processors);
  const std::string meminfo = ReadFile("/proc/meminfo");
  std::smatch kilobytes;
  ASSERT_TRUE(std::regex_search(meminfo, kilobytes, std::regex("MemTotal: +([0-9]+) kB")));
  EXPECT_EQ(DigitsOnly(*total), std::to_string(std::stoull(kilobytes[1]) / 1024));
  EXPECT_TRUE(std::regex_match(*total, std::regex("[0-9][0-9,. ']* MB"))) << *total;
  EXPECT_TRUE(std::regex_match(*available, std::regex("[0-9][0-9,. ']* MB"))) << *available;
  EXPECT_TRUE(
      std::regex_match(*processors, std::regex("[1-9][0-9]* Processor\\(s\\) Installed\\.")))
      << *processors;
}

}  // namespace
