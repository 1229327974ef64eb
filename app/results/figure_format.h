#pragma once

#include <QLocale>
#include <string>
#include <string_view>

namespace results {

// How a figure (bytes per second) is shown and compared. Numbers use the user's locale for digit
// grouping and negative numbers; QLocale() is the user's, tests pass their own. Values halfway
// between two whole numbers (or tenths) round away from zero, and a value that rounds to zero is
// shown without a minus sign.

// N(x): x rounded to a whole number, grouped ("19,046,418,164").
std::string WholeNumber(double x, const QLocale& locale = QLocale());

// "19,046,418,164 Bps (19 GB)": the rounded part in decimal GB above 1,000,000,000, else in MB.
std::string FormatFigure(double figure, const QLocale& locale = QLocale());

// Beyond any rate a machine reaches (10 PB/s, above the largest figure the engine can print): a
// stored figure larger than this comes from a damaged file and counts as no stored figure.
constexpr double kLargestFigure = 1e16;

// " [-39MB -0.2%]": the change from the previous text (read as a number, 0 when it is none) to the
// figure, in MB beyond +-1,000,000 and in KB otherwise, and as a percentage of the current figure.
// Empty when there is no previous text, or when it holds a number no machine measures (infinite,
// or above kLargestFigure). A current figure of 0 is a loss of the whole previous rate: -100.0%, or
// 0.0% when the previous figure was 0 too.
std::string FormatComparison(double figure, std::string_view previousText,
                             const QLocale& locale = QLocale());

}  // namespace results
