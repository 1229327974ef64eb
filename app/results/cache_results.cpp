#include "cache_results.h"

#include <cmath>

#include "figure_format.h"
#include "numeric_value.h"
#include "output_lines.h"
#include "rate_units.h"
#include "text_case.h"

namespace results {
namespace {

constexpr std::array<const char*, 6> kFamilyWords = {"Integer", "Float",  "MMX",
                                                     "SSE",     "MMX NT", "SSE NT"};

struct BlockRow {
  const char* search;  // one-digit sizes lead with a blank so " 4 Kb block" misses "64 Kb block"
  const char* key;
  const char* readLabel;
  const char* writeLabel;
};

constexpr std::array<BlockRow, 16> kBlockRows = {{
    {" 1 Kb block", "1 Kb", "Read 1 KB: ", "Write 1 KB: "},
    {" 2 Kb block", "2 Kb", "Read 2 KB: ", "Write 2 KB: "},
    {" 4 Kb block", "4 Kb", "Read 4 KB: ", "Write 4 KB: "},
    {" 8 Kb block", "8 Kb", "Read 8 KB: ", "Write 8 KB: "},
    {"16 Kb block", "16 Kb", "Read 16 KB: ", "Write 16 KB: "},
    {"32 Kb block", "32 Kb", "Read 32 KB: ", "Write 32 KB: "},
    {"64 Kb block", "64 Kb", "Read 64 KB: ", "Write 64 KB: "},
    {"128 Kb block", "128 Kb", "Read 128 KB: ", "Write 128 KB: "},
    {"256 Kb block", "256 Kb", "Read 256 KB: ", "Write 256 KB: "},
    {"512 Kb block", "512 Kb", "Read 512 KB: ", "Write 512 KB: "},
    {"1024 Kb block", "1024 Kb", "Read 1024 KB: ", "Write 1024 KB: "},
    {"2048 Kb block", "2048 Kb", "Read 2048 KB: ", "Write 2048 KB: "},
    {"4096 Kb block", "4096 Kb", "Read 4096 KB: ", "Write 4096 KB: "},
    {"8192 Kb block", "8192 Kb", "Read 8192 KB: ", "Write 8192 KB: "},
    {"16384 Kb block", "16384 Kb", "Read 16384 KB: ", "Write 16384 KB: "},
    {"32768 Kb block", "32768 Kb", "Read 32768 KB: ", "Write 32768 KB: "},
}};

// Characters 1 to 38 of a block line are the test label, the block size and " Kb block: ".
constexpr std::size_t kFigureColumn = 38;

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

CacheResults LogCache(std::string_view dosBox, int cPage, int rw, FigureStore& store,
                      const QLocale& locale) {
  CacheResults results;
  results.readColumn = rw == 2;
  if (cPage < 0 || cPage >= static_cast<int>(kFamilyWords.size())) {
    return results;
  }
  const std::string section = std::string(kFamilyWords[cPage]) + (rw == 2 ? "2" : "1");

  for (const std::string_view line : OutputLines(dosBox)) {
    if (IsBlankLine(line)) {
      continue;
    }
    CutFigure cut = NormaliseToBytesPerSecond(
        std::string(line.size() > kFigureColumn ? line.substr(kFigureColumn) : std::string_view()));
    // Only a figure in bytes per second is stored and compared; the figure of an earlier line
    // never stands in for a line that has none.
    std::optional<double> figure = cut.bytesPerSecond;
    if (!figure && EndsWith(cut.text, "Bps")) {
      figure = LeadingNumber(std::string_view(cut.text).substr(0, cut.text.size() - 3));
    }
    if (figure && !std::isfinite(*figure)) {
      figure.reset();
    }
    if (figure) {
      cut.text = FormatFigure(*figure, locale);
    }
    for (std::size_t k = 0; k < kBlockRows.size(); ++k) {
      const BlockRow& row = kBlockRows[k];
      if (!platform::ContainsNoCase(line, row.search)) {
        continue;
      }
      std::string text = cut.text;
      if (figure) {
        const std::string previous = store.Previous(section, row.key);
        store.Store(section, row.key, *figure);
        text += FormatComparison(*figure, previous, locale);
      }
      results.log += (results.readColumn ? row.readLabel : row.writeLabel) + text + "\r\n";
      results.fields[k] = std::move(text);
    }
  }
  return results;
}

}  // namespace results
