#pragma once

#include <string>
#include <vector>

#include "cpu_view.h"
#include "series_view.h"
#include "summary_view.h"

namespace startup {

// The main window's controls that its load handler fills, beyond those the series, the system
// summary and the CPU panel drive.
class LoadView : public session::SeriesView, public sysinfo::SummaryView, public sysinfo::CpuView {
 public:
  // Combo1's list and its text.
  virtual void SetTestSizeItems(const std::vector<std::string>& items, const std::string& text) = 0;
  virtual std::string CPUInfoText() const = 0;
  // Replaces the whole results log.
  virtual void SetAllResults(const std::string& text) = 0;
  virtual void SetLabel5(const std::string& text) = 0;
};

}  // namespace startup
