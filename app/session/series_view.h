#pragma once

#include <string>
#include <vector>

#include "panel_view.h"

namespace session {

// The controls of the main window that a test series drives beyond the selection panel.
class SeriesView : public PanelView {
 public:
  virtual void SetCaption(const std::string& caption) = 0;  // the window's
  virtual void SetBusy(bool busy) = 0;                      // the hourglass pointer
  virtual std::string TestSizeText() const = 0;             // Combo1
  virtual bool PrefetchSelected(int index) const = 0;       // TOpt
  virtual std::string Command1Caption() const = 0;
  virtual void SetCommand1Caption(const std::string& caption) = 0;
  virtual void SetPageButtonEnabled(int index, bool enabled) = 0;

  // DosBox receives the running program's output through the window's ReceiveOutputs handler.
  virtual void ClearDosBox() = 0;
  virtual std::string DosBoxText() const = 0;
  virtual void ClearList1() = 0;
  // The results log; its lines end in CR LF.
  virtual void AppendAllResults(const std::string& text) = 0;

  // Read1..Read16 (read) or Write1..Write16 at `page`, row 0..15.
  virtual void SetBlockField(bool read, int row, int page, const std::string& text) = 0;
  // MemRC, MemRS, MemRA, MemRT, MemRV (subtest 0..4) at memory row 0..5.
  virtual void SetMemoryField(int subtest, int row, const std::string& text) = 0;

  // OldTEST, the names of the past Full Tests, and the menu entry mnucompare.
  virtual void SetOldTest(const std::vector<std::string>& names) = 0;
  virtual void SetCompareMenu(bool enabled, const std::string& caption) = 0;

  // Closes the main window, running its unload handler.
  virtual void CloseWindow() = 0;
};

}  // namespace session
