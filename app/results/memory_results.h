#pragma once

#include <QLocale>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "figure_store.h"

namespace results {

// What one memory test run changes on the main window (the window's LogMEM enables SelectP(CPage),
// puts these texts into row II of the memory page and lets pending events through).
struct MemoryResults {
  // The new captions of MemRC, MemRS, MemRA, MemRT and MemRV (Copy, Scale, Add, Triad, Average) at
  // index II; nothing leaves a caption as it was.
  std::array<std::optional<std::string>, 5> fields;
  // The lines to append to AllResults, each ending in CR LF.
  std::string log;
};

// The figures of a memory test run from its engine output (the text of DosBox): every line holding
// a subtest word ("Copy", "Scale", "Add", "Triad", "Average", any case) is that subtest's figure
// line; its figure is cut at the 22nd character, brought to bytes per second, compared with and
// stored under "MEM Test" / prefix + " " + subtest, the prefix being the row's ("Interger", "Float"
// for the MMX row, "MMX" for the SSE row, "SSE" for the Float row, "MMX NT", "SSE NT"). A prefetch
// tag ("NTA" or "T0") found on the line follows a compared figure. A line without a figure in Bps
// is shown and logged as it is and stores nothing. `ii` is the memory row 0..5; any other changes
// nothing.
MemoryResults LogMEM(std::string_view dosBox, int ii, FigureStore& store,
                     const QLocale& locale = QLocale());

}  // namespace results
