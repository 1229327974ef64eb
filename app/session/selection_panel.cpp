#include "selection_panel.h"

#include "run_catalogue.h"
#include "timing.h"

namespace session {

void LockC(PanelView& view, int CN) {
  const bool enabled = CN != 1;
  for (int index = 0; index < kTestBoxCount; ++index) {
    view.SetRunTestEnabled(index, enabled);
  }
  view.SetTestSizeEnabled(enabled);
  view.SetLockedMenusEnabled(enabled);
  for (int index = 0; index < kPrefetchModes; ++index) {
    view.SetPrefetchEnabled(index, enabled);
  }
}

void ClearME(PanelView& view) {
  for (int index = 0; index < kPageCount; ++index) {
    view.SetPageButtonChecked(index, false);
    view.SetPageVisible(index, false);
  }
  runner::Delay(10);
}

void PressPageButton(PanelView& view, int index) {
  ClearME(view);
  view.SetPageVisible(index, true);
  view.SetPageButtonChecked(index, true);
}

void ApplyRunAllRule(PanelView& view) {
  if (!view.RunTestChecked(kRunAllBox)) {
    return;
  }
  for (int index = 1; index < kTestBoxCount; ++index) {
    view.SetRunTestChecked(index, false);
  }
}

}  // namespace session
