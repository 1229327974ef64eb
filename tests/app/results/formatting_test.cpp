#include <gtest/gtest.h>

#include <cmath>

#include "figure_format.h"
#include "numeric_value.h"
#include "rate_units.h"

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(NumericValue, LeadingNumberOfATextOrZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"19046418164", 19046418164.0},
      {"  -12.5xyz", -12.5},
      {"+7", 7},
      {"19,046", 19},
      {"1.5e3 Bps", 1500},
      {"2e", 2},
      {"2e+", 2},
      {".5", 0.5},
      {"5.", 5},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {".", 0},
      {"inf", 0},
      {"0x10", 0},
      {"\t42", 42},
      {"1 000", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(results::NumericValue(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_FALSE(results::LeadingNumber("abc").has_value());
  EXPECT_EQ(results::LeadingNumber("0 Bps"), 0.0);
}

TEST(FigureFormat, FiguresInGigabytesAboveOneBillionElseMegabytes) {
  const struct {
    double figure;
    const char* text;
  } cases[] = {
      {19046418164.0, "19,046,418,164 Bps (19 GB)"},
      {1000000000.0, "1,000,000,000 Bps (1,000 MB)"},
      {1000000001.0, "1,000,000,001 Bps (1 GB)"},
      {999499999.0, "999,499,999 Bps (999 MB)"},
      {1500000000.0, "1,500,000,000 Bps (2 GB)"},  // halves round away from zero
      {2500000.5, "2,500,001 Bps (3 MB)"},
      {400.0, "400 Bps (0 MB)"},
      {0.0, "0 Bps (0 MB)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(results::FormatFigure(c.figure, kEnglish), c.text) << c.figure;
  }
}

TEST(FigureFormat, ComparisonWithThePreviousFigure) {
  const struct {
    double figure;
    const char* previous;
    const char* text;
  } cases[] = {
      {19046418164.0, "19085418164", " [-39MB -0.2%]"},
      {19046418164.0, "", ""},                        // nothing stored: no brackets
      {2000000.0, "1000000", " [1,000KB 50.0%]"},     // exactly +1,000,000 stays in KB
      {1000000.0, "2000000", " [-1,000KB -100.0%]"},  // exactly -1,000,000 too
      {2000001.0, "1000000", " [1MB 50.0%]"},
      {1000000.0, "2000001", " [-1MB -100.0%]"},
      {5000000000.0, "0", " [5,000MB 100.0%]"},    // a stored 0
      {5000000000.0, "abc", " [5,000MB 100.0%]"},  // a stored text that is no number counts as 0
      {100.0, "200", " [0KB -100.0%]"},            // relative to the current figure
      {5000000400.0, "5000000000", " [0KB 0.0%]"},
      {4999999600.0, "5000000000", " [0KB 0.0%]"},  // no minus sign on a change that rounds to 0
      {21000000000.0, "19000000000", " [2,000MB 9.5%]"},
      {0.0, "5000000000", " [-5,000MB -100.0%]"},  // nothing measured: the whole rate lost
      {0.0, "0", " [0KB 0.0%]"},
      // A damaged or crafted file: no machine measures these, so nothing is compared.
      {5000000000.0, "1e308", ""},
      {5000000000.0, "1e999", ""},
      {5000000000.0, "-1e308", ""},
      {5000000000.0, "20000000000000000", ""},
      {5000000000.0, "10000000000000000", " [-9,999,995,000MB -199999900.0%]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(results::FormatComparison(c.figure, c.previous, kEnglish), c.text)
        << c.figure << " against \"" << c.previous << '"';
  }
}

TEST(FigureFormat, NumbersFollowTheLocale) {
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(results::FormatFigure(19046418164.0, german), "19.046.418.164 Bps (19 GB)");
  EXPECT_EQ(results::FormatComparison(19046418164.0, "19085418164", german), " [-39MB -0,2%]");
  EXPECT_EQ(results::FormatComparison(1.0, "100000001", german), " [-100MB -10000000000,0%]");
}

// The percentage is written in the same digits as the rest of the comparison.
TEST(FigureFormat, OneDigitSystemInAComparison) {
  const struct {
    QLocale locale;
    const char* text;
  } cases[] = {
      {QLocale(QLocale::Arabic, QLocale::Egypt), " [\u061C-\u0663\u0669MB -\u0660\u066B\u0662%]"},
      {QLocale(QLocale::Persian, QLocale::Iran),
       " [\u200E\u2212\u06F3\u06F9MB -\u06F0\u066B\u06F2%]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        QString::fromStdString(results::FormatComparison(19046418164.0, "19085418164", c.locale)),
        QString::fromUtf8(c.text))
        << c.locale.name().toStdString();
  }
}

TEST(RateUnits, EveryEngineFormatComesOutInBytesPerSecond) {
  const struct {
    const char* cut;
    const char* normalised;
  } cases[] = {
      {"19046418164 Bps", "19046418164 Bps"},
      {"19046418164 Bps  [NTA]", "19046418164 Bps  [NTA]"},
      {"18000.50 MB/s", "18000500000 Bps"},  // the earlier build: decimal megabytes
      {"17179.47 MB/s", "17179470000 Bps"},  // no rounding noise in the stored figure
      {"6000.50 MB/s  [NTA prefetch]", "6000500000 Bps"},
      {"18000.55 Mb/s", "18874944716.8 Bps"},  // its -r: binary megabytes
      {"18164 bps", "19046334464 Bps"},        // RAM.exe -r: binary megabytes
      {"18164 bps  [T0]", "19046334464 Bps"},
      {"12.5 mb/s", "13107200 Bps"},
      {"nan MB/s", "nan MB/s"},  // no number: not a figure
      {"", ""},
      {"ERROR: no SSE support available", "ERROR: no SSE support available"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(results::NormaliseToBytesPerSecond(c.cut).text, c.normalised) << '"' << c.cut << '"';
  }
}

}  // namespace
