#pragma once

#include <functional>
#include <string>

#include "dos_outputs.h"
#include "ini_read_write.h"
#include "program_state.h"
#include "run_catalogue.h"
#include "series_view.h"

namespace session {

// A test series: everything from a press of RUN to the moment the button reads "RUN" again. It runs
// on the user-interface thread with events flowing (the engine's output, the pauses), so the
// window's handlers (Cancel, page buttons, close) run in the middle of it.
class TestSeries {
 public:
  // Sends the Full Test file of a finished or cancelled "Run ALL" series to the results server.
  using Submit = std::function<void(const std::string& fullTestFilePath)>;

  TestSeries(state::ProgramState& state, runner::DOSOutputs& objDOSB, settings::INIReadWrite& ini,
             SeriesView& view, Submit submit);

  // Command1: starts a series when it reads "RUN", asks the running one to stop otherwise. Returns
  // once the series it started has ended.
  void PressCommand1();

  // The window (or Done) asks to close. Outside a series it may; during one the series is asked
  // to stop and the window closes once the current engine run's figures are stored.
  bool RequestClose();

  bool Running() const { return running_; }

 private:
  void GetCache();
  // Steps R1 to R8 of one engine run; false when a cancel ends the series at its check.
  bool Run(const EngineRun& run, const std::string& testSize, int prefetchMode);
  void ShowResults(const EngineRun& run);
  void Close();

  state::ProgramState& state_;
  runner::DOSOutputs& objDOSB_;
  settings::INIReadWrite& ini_;
  SeriesView& view_;
  Submit submit_;
  bool running_ = false;
  bool closeRequested_ = false;
};

}  // namespace session
