#pragma once

namespace session {

// The controls of the main window's test selection panel: the nine test boxes RunTEST, the test
// size box Combo1, the prefetch buttons TOpt, the menus m1 ("Options") and m2 ("About"), the page
// buttons SelectP and the pages TestPage.
class PanelView {
 public:
  virtual ~PanelView() = default;

  virtual bool RunTestChecked(int index) const = 0;
  virtual void SetRunTestChecked(int index, bool checked) = 0;
  virtual void SetRunTestEnabled(int index, bool enabled) = 0;
  virtual void SetTestSizeEnabled(bool enabled) = 0;
  virtual void SetPrefetchEnabled(int index, bool enabled) = 0;
  virtual void SetLockedMenusEnabled(bool enabled) = 0;

  virtual void SetPageButtonChecked(int index, bool checked) = 0;
  virtual void SetPageVisible(int index, bool visible) = 0;
};

}  // namespace session
