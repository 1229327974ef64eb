#include "memory_results.h"

#include <cmath>

#include "figure_format.h"
#include "numeric_value.h"
#include "output_lines.h"
#include "rate_units.h"
#include "text_case.h"

namespace results {
namespace {

constexpr const char* kSection = "MEM Test";

// The store key prefix of each memory row. Rows 1 to 3 store under another family's word than
// their caption; stored files and comparisons rely on these keys, misspelling included.
constexpr std::array<const char*, 6> kKeyPrefixes = {"Interger", "Float",  "MMX",
                                                     "SSE",      "MMX NT", "SSE NT"};

struct Subtest {
  const char* word;
  const char* logLabel;
};

constexpr std::array<Subtest, 5> kSubtests = {{
    {"Copy", "Copy: "},
    {"Scale", "Scale: "},
    {"Add", "Add: "},
    {"Triad", "Triad: "},
    {"Average", "Average: "},
}};
constexpr std::size_t kAverage = 4;

// Characters 1 to 21 of a subtest line are the family field and the subtest name with its colon.
constexpr std::size_t kFigureColumn = 21;

std::string PrefetchTag(std::string_view line) {
  std::string tag;
  if (platform::ContainsNoCase(line, "NTA")) {
    tag = "NTA";
  }
  if (platform::ContainsNoCase(line, "T0")) {
    tag = "T0";
  }
  return tag;
}

// The number before the first "Bps" (any case); nothing without the unit or without a number.
std::optional<double> FigureBeforeUnit(std::string_view cut) {
  const std::size_t unit = platform::FindNoCase(cut, "Bps");
  if (unit == std::string_view::npos) {
    return std::nullopt;
  }
  return LeadingNumber(cut.substr(0, unit));
}

}  // namespace

MemoryResults LogMEM(std::string_view dosBox, int ii, FigureStore& store, const QLocale& locale) {
  MemoryResults results;
  if (ii < 0 || ii >= static_cast<int>(kKeyPrefixes.size())) {
    return results;
  }
  for (const std::string_view line : OutputLines(dosBox)) {
    if (IsBlankLine(line)) {
      continue;
    }
    const std::string tag = PrefetchTag(line);
    for (std::size_t s = 0; s < kSubtests.size(); ++s) {
      const Subtest& subtest = kSubtests[s];
      if (!platform::ContainsNoCase(line, subtest.word)) {
        continue;
      }
      const std::string key = std::string(kKeyPrefixes[ii]) + " " + subtest.word;
      CutFigure cut = NormaliseToBytesPerSecond(std::string(
          line.size() > kFigureColumn ? line.substr(kFigureColumn) : std::string_view()));
      std::optional<double> figure = cut.bytesPerSecond;
      if (!figure) {
        figure = FigureBeforeUnit(cut.text);
      }
      if (figure && !std::isfinite(*figure)) {
        figure.reset();
      }
      std::string field = cut.text;
      std::string logText = cut.text;
      if (figure) {
        const std::string text = FormatFigure(*figure, locale);
        const std::string previous = store.Previous(kSection, key);
        store.Store(kSection, key, *figure);
        const std::string comparison = FormatComparison(*figure, previous, locale);
        field = text + comparison;
        logText = field;
        // A tag only goes with a comparison; the log leaves it off the average.
        if (!comparison.empty() && !tag.empty()) {
          field += " " + tag;
          if (s != kAverage) {
            logText += " " + tag;
          }
        }
      }
      results.log += subtest.logLabel + logText + "\r\n";
      results.fields[s] = std::move(field);
    }
  }
  return results;
}

}  // namespace results
