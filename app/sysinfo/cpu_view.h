#pragma once

#include <string>

#include "mouse_pointer.h"

namespace sysinfo {

// The main window's controls that GetCPU drives: DosBox as for SummaryView, List1, the text box
// CPUInfo on the CPU/RAM page TestPage(7), and the page's button SelectP(7).
class CpuView {
 public:
  virtual ~CpuView() = default;

  virtual void SetMousePointer(MousePointer pointer) = 0;
  virtual void ClearDosBox() = 0;
  virtual std::string DosBoxText() const = 0;
  virtual void ClearList1() = 0;
  virtual void SetCPUInfo(const std::string& text) = 0;
  virtual void ShowTestPage7() = 0;
  virtual void EnableSelectP7() = 0;
};

}  // namespace sysinfo
