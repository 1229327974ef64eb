#pragma once

#include "panel_view.h"

namespace session {

constexpr int kPageCount = 9;
constexpr int kPrefetchModes = 3;

// Locks the panel for a test series when CN is 1 (test boxes, size, the Options and About menus,
// prefetch buttons), unlocks it for any other value. Unlocking enables every test box, those the
// processor's features disabled at start included.
void LockC(PanelView& view, int CN);

// Releases every page button and hides every page, then lets events through for 10 ms.
void ClearME(PanelView& view);

// A press of page button `index`: only that page is shown and only its button stays pressed.
void PressPageButton(PanelView& view, int index);

// After a click on any test box: while "Run ALL" is checked, the eight other boxes are not.
void ApplyRunAllRule(PanelView& view);

}  // namespace session
