#include "run_parameters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace session;

TEST(RunParameters, TestSizeTable) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QLocale german(QLocale::German, QLocale::Germany);
  const struct {
    const char* typed;
    const char* english;
    const char* german;
  } cases[] = {
      {"", "2", "2"},
      {"abc", "2", "2"},
      {"1", "2", "2"},
      {"2.5", "2.5", "2,5"},
      {"2,5", "2", "2,5"},
      {"40", "16", "16"},
      {" 1 6", "16", "16"},
      {"8", "8", "8"},
      {"  4\t", "4", "4"},
      {"12 GB", "12", "12"},
      {"3.125x", "3.125", "3,125"},
      {"16.0", "16", "16"},
      {"-4", "2", "2"},
      {".", "2", "2"},
      {"2.5.7", "2.5", "2,5"},
      {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000000000000000000000000000000000000000000000000",
       "16", "16"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    EXPECT_EQ(TestSizeText(c.typed, english), c.english);
    EXPECT_EQ(TestSizeText(c.typed, german), c.german);
  }
}

// The engine reads ASCII digits only: a locale with digits of its own still sends them, and what a
// user types in the locale's digits is read.
TEST(RunParameters, TestSizeDigitsAreAsciiInEveryLocale) {
  const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
  const QLocale persian(QLocale::Persian, QLocale::Iran);
  const struct {
    const QLocale& locale;
    const char* typed;
    const char* sent;
  } cases[] = {
      {arabic, "8", "8"},
      {arabic, "\u0668", "8"},  // Arabic-Indic eight
      {arabic, "\u0661\u0666", "16"},
      {arabic, "\u0662\u066B\u0665", "2\u066B5"},  // the locale's decimal separator stays
      {arabic, "40", "16"},
      {persian, "\u06F8", "8"},  // Persian eight
      {persian, "\u06F1\u06F2", "12"},
      {persian, "2.5", "2\u066B5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(TestSizeText(c.typed, c.locale), c.sent);
  }
}

TEST(RunParameters, PrefetchModeIsTheSelectedButton) {
  EXPECT_EQ(PrefetchMode({true, false, false}), 0);
  EXPECT_EQ(PrefetchMode({false, true, false}), 1);
  EXPECT_EQ(PrefetchMode({false, false, true}), 2);
  EXPECT_EQ(PrefetchMode({false, false, false}), 0);
}

}  // namespace
