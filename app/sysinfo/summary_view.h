#pragma once

#include <string>

#include "mouse_pointer.h"

namespace sysinfo {

// The main window's controls that SysINFO drives. DosBox is the hidden box the window's
// ReceiveOutputs handler appends every output piece of objDOSB to. CpuView declares the controls
// both share with the same signatures, so the window implements each once.
class SummaryView {
 public:
  virtual ~SummaryView() = default;

  virtual void SetMousePointer(MousePointer pointer) = 0;
  virtual void ClearDosBox() = 0;
  virtual std::string DosBoxText() const = 0;
  virtual void ClearList1() = 0;
  virtual void AddList1Item(const std::string& item) = 0;
  // WinBox on the WIN page, and the page's button SelectP(8).
  virtual void SetWinBoxText(const std::string& text) = 0;
  virtual void EnableSelectP8() = 0;
};

}  // namespace sysinfo
