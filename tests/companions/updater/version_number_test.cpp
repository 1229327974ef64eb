#include "version_number.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
  const char* text;
  double number;
};

TEST(VersionNumber, ReadsFirstThirdAndFourthCharactersAsANumber) {
  const VersionCase cases[] = {
      {"0.10", 10},  {"0.11", 11},  {"0.09", 9},
      {"1.02", 102}, {"1.0\n", 10},  // the line feed is skipped
      {"1.0\r", 10},                 // the carriage return ends the number
      {"1.5", 15},                   // a short text gives what it has
      {"<htm", 0},                   // an error page
      {"", 0},       {"0. 1", 1},    // blanks are skipped anywhere
      {"-.11", -11}, {"1..5", 1.5},  // one decimal point is taken
      {"9.x9", 9},                   // the reading stops at the first other character
  };
  for (const VersionCase& c : cases) {
    EXPECT_DOUBLE_EQ(updater::VersionNumber(c.text), c.number) << '"' << c.text << '"';
  }
}

TEST(VersionNumber, NewerOnlyWhenTheNumberIsGreater) {
  EXPECT_TRUE(updater::IsNewerVersion("0.11", "0.10"));
  EXPECT_TRUE(updater::IsNewerVersion("1.02", "0.10"));
  EXPECT_FALSE(updater::IsNewerVersion("0.10", "0.10"));
  EXPECT_FALSE(updater::IsNewerVersion("0.09", "0.10"));
  EXPECT_FALSE(updater::IsNewerVersion("1.0\n", "0.10"));
  EXPECT_FALSE(updater::IsNewerVersion("<htm", "0.10"));
}

}  // namespace
