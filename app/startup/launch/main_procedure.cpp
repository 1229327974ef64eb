#include "main_procedure.h"

#include "carried_files.h"
#include "companion_writer.h"
#include "download_site.h"
#include "file_lookup.h"
#include "folders.h"
#include "runtime_components.h"
#include "timing.h"

namespace startup {

bool Main(state::ProgramState& state, update::frmData& data,
          const std::vector<std::string>& RequiredFiles, const updater::PublicKey& makerKey) {
  if (const platform::FolderResult winDir = platform::WinDir(); winDir.ok()) {
    state.WinDir = winDir.path;
  }
  state.ProgramFolder = platform::ProgramFolder();
  state.ProgramWriteFolder =
      platform::ProgramWriteFolder(state.ProgramFolder, platform::UserDataFolder().path);
  if (const platform::FolderResult temp = platform::TempFolder(); temp.ok()) {
    state.TempFolder = temp.path;
  }

  data.GetRUNTIMME(state);
  // The pause lets the download go on; without a download site there is none to wait for.
  if (!updater::DownloadSite().empty()) {
    runner::Delay(2000);
  }

  state.SysFolder = platform::SysFolder(state.WinDir);
  // Into the system folder, created private when missing, unless the system has the tool.
  WriteCompanionFile(kSystemInfoFile);
  return update::CheckRuntimeComponents(state, RequiredFiles, data, makerKey) ==
         update::NextStep::ContinueStartUp;
}

void StartMonitor(const state::ProgramState& state, const CompanionFile& monitor,
                  const ProgramStarter& start) {
  const std::string& folder = state.ProgramWriteFolder;
  WriteCompanionFile(monitor, folder);
  runner::Delay(100);
  const auto program = platform::FindInFolder(folder, monitor.name, platform::EntryKind::File);
  if (program) {
    start(*program, {}, folder);
  }
}

}  // namespace startup
