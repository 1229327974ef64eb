#pragma once

#include <QLocale>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "figure_store.h"

namespace results {

// What one cache block run changes on the main window (the window's LogCache enables the page
// selector SelectP(CPage), puts these texts into the page's fields and lets pending events
// through).
struct CacheResults {
  // Which column of page CPage the fields are: Read1..Read16 (RW 2) or Write1..Write16.
  bool readColumn = false;
  // The new caption of the row k field at index k - 1; nothing leaves a caption as it was.
  std::array<std::optional<std::string>, 16> fields;
  // The lines to append to AllResults, each ending in CR LF.
  std::string log;
};

// The figures of a cache block run from its engine output (the text of DosBox): for every line, the
// figure is cut at its 39th character and brought to bytes per second; each of the 16 block rows
// whose search text the line holds (" 1 Kb block" ... "32768 Kb block", any case) reads the
// previous figure of its key in section family word + RW ("Integer1", "MMX NT2"...), stores the new
// one, and gets its caption and log line ("Write 1 KB: " / "Read 1 KB: "). Every row is tested on
// every line. A matching line whose text is not a figure in Bps is shown and logged as it is, and
// stores nothing. `cPage` is the family page 0..5 (any other changes nothing); `rw` 2 is a read
// run, anything else a write run.
CacheResults LogCache(std::string_view dosBox, int cPage, int rw, FigureStore& store,
                      const QLocale& locale = QLocale());

}  // namespace results
