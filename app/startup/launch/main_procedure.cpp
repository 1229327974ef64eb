#include "main_procedure.h"

#include "carried_files.h"
#include "companion_writer.h"
#include "file_lookup.h"
#include "folders.h"
#include "private_folder.h"
#include "timing.h"

namespace startup {

void Main(state::ProgramState& state) {
  if (const platform::FolderResult winDir = platform::WinDir(); winDir.ok()) {
    state.WinDir = winDir.path;
  }
  state.SysFolder = platform::SysFolder(state.WinDir);
  state.ProgramFolder = platform::ProgramFolder();
  state.ProgramWriteFolder =
      platform::ProgramWriteFolder(state.ProgramFolder, platform::UserDataFolder().path);

  if (state.WinDir.empty()) {
    return;
  }
  // The summary tool is run from the system folder, so that folder must be one only the user can
  // write when the program creates it.
  std::string system = state.WinDir + "/" + state.SysFolder;
  if (const auto found =
          platform::FindInFolder(state.WinDir, state.SysFolder, platform::EntryKind::Folder)) {
    system = *found;
  } else {
    std::string ignored;
    platform::EnsurePrivateFolder(system, ignored);
  }
  if (!platform::FindInFolder(system, "systeminfo.exe")) {
    WriteCompanionFile(kSystemInfoFile, system);
  }
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
