#include "main_window_load.h"

#include <filesystem>

#include "cpu_panel.h"
#include "edition.h"
#include "file_lookup.h"
#include "folders.h"
#include "full_test_file.h"
#include "host.h"
#include "run_catalogue.h"
#include "show_files.h"
#include "stored_summary.h"
#include "system_summary.h"
#include "whole_file.h"

namespace startup {

bool LoadMainWindow(state::ProgramState& state, runner::DOSOutputs& objDOSB,
                    settings::INIReadWrite& ini, LoadView& view, const std::string& exePath,
                    const std::function<bool()>& getVer) {
  state.TempFolder = platform::TempFolder().path;
  state.CoreCount = platform::CoreCount();
  state.ComputerName = platform::ComputerName();
  state.HasMMX = false;
  state.HasSSE = false;
  state.ProgramVersion = "0.10";
  state.ProgramDate = "21 Sep 12";
  SelectEdition(state, exePath);
  if (getVer && !getVer()) {
    return false;
  }
  view.SetBusy(true);
  std::error_code ignored;
  std::filesystem::create_directories(results::FullTestFolder(state.ProgramWriteFolder), ignored);
  view.SetTestSizeItems({"2", "4", "6", "8", "10", "12", "14", "16"}, "8");

  ReadStoredSummary(state, ini);
  const auto summaryFile = platform::FindInFolder(state.TempFolder, "SystemInfo.txt");
  const platform::FileRead summary =
      summaryFile ? platform::ReadWholeFile(*summaryFile) : platform::FileRead{};
  if (summary.status == platform::FileRead::Status::Ok && !state.MemFree.empty()) {
    view.SetWinBoxText(summary.content);
    view.EnableSelectP8();
  } else {
    sysinfo::SysINFO(state, objDOSB, ini, view);
  }
  sysinfo::GetCPU(state, objDOSB, view);
  for (const session::TestBox& box : session::TestBoxes()) {
    if (!session::BoxAvailable(box, state.HasMMX, state.HasSSE)) {
      view.SetRunTestChecked(box.index, false);
      view.SetRunTestEnabled(box.index, false);
    }
  }

  const std::vector<std::string> oldTest =
      results::ShowFiles(results::FullTestFolder(state.ProgramWriteFolder));
  view.SetOldTest(oldTest);
  view.SetCompareMenu(!oldTest.empty(), results::CompareMenuCaption(oldTest.size()));
  view.SetAllResults(view.CPUInfoText());
  view.SetLabel5(SummaryLabel(state));
  view.SetBusy(false);
  return true;
}

void UnloadMainWindow(const state::ProgramState& state) { DeleteEngineFile(state); }

}  // namespace startup
