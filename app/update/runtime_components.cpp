#include "runtime_components.h"

#include <unistd.h>

#include "download_site.h"
#include "file_lookup.h"
#include "message_box.h"
#include "start_detached.h"
#include "timing.h"
#include "trusted_location.h"
#include "whole_file.h"

namespace update {
namespace {

const std::string kInstallerSignature =
    std::string(updater::kRuntimeInstallerName) + updater::kSignatureSuffix;

bool ComponentPresent(const state::ProgramState& state, const std::string& name) {
  if (!name.empty() && name.front() == '/') {
    return platform::FindPath(name).has_value();
  }
  const std::optional<std::string> systemFolder =
      state.WinDir.empty()
          ? std::nullopt
          : platform::FindInFolder(state.WinDir, state.SysFolder, platform::EntryKind::Folder);
  return systemFolder && platform::FindPath(*systemFolder + "/" + name).has_value();
}

bool Arrived(const state::ProgramState& state, const std::string& name) {
  return !state.ProgramWriteFolder.empty() &&
         platform::FindInFolder(state.ProgramWriteFolder, name).has_value();
}

std::string ReadFound(const std::string& folder, const std::string& name) {
  const std::optional<std::string> path =
      platform::FindInFolder(folder, name, platform::EntryKind::File);
  return path ? platform::ReadWholeFile(*path).content : std::string();
}

// A copy of the installer in the private temporary folder, made from the very bytes whose
// signature was checked, so that no later transfer into the write folder can change what runs.
std::optional<std::string> VerifiedInstaller(const state::ProgramState& state,
                                             const updater::PublicKey& makerKey) {
  const std::string installer = ReadFound(state.ProgramWriteFolder, updater::kRuntimeInstallerName);
  const std::string signature = ReadFound(state.ProgramWriteFolder, kInstallerSignature);
  if (installer.empty() || state.TempFolder.empty() ||
      !updater::VerifySignature(makerKey, installer, signature)) {
    return std::nullopt;
  }
  const std::string copy = state.TempFolder + "/" + updater::kRuntimeInstallerName;
  ::unlink(copy.c_str());
  if (!platform::CreateWholeFile(copy, installer, 0700)) {
    return std::nullopt;
  }
  return platform::TrustedProgramPath(copy);
}

}  // namespace

std::string DownloadFromMessage(const std::string& site) {
  const std::string text = "Files Required for this program to run properly are missing";
  return site.empty() ? text + "."
                      : text + ", download from " + updater::RuntimeInstallerAddress(site);
}

std::string InstallAndRestartMessage() {
  return "Files Required for this program to run properly are missing, install the following "
         "files and restart.";
}

NextStep CheckRuntimeComponents(const state::ProgramState& state,
                                const std::vector<std::string>& RequiredFiles, frmData& data,
                                const updater::PublicKey& makerKey, const RuntimePolling& polling) {
  bool missing = false;
  for (const std::string& name : RequiredFiles) {
    missing = !ComponentPresent(state, name) || missing;
  }
  if (!missing) {
    return NextStep::ContinueStartUp;
  }
  const std::string site = updater::DownloadSite();
  data.GetRUNTIMME(state);
  // The wait is for the signature too, which comes with the installer. Without a site no transfer
  // runs that could bring either.
  for (int poll = 0;
       !site.empty() && poll < polling.polls &&
       !(Arrived(state, updater::kRuntimeInstallerName) && Arrived(state, kInstallerSignature));
       ++poll) {
    runner::Delay(polling.pollMilliSeconds);
  }
  if (!Arrived(state, updater::kRuntimeInstallerName)) {
    platform::MsgBox(DownloadFromMessage(site));
    return NextStep::EndProcess;
  }
  runner::Delay(polling.settleMilliSeconds);
  const std::optional<std::string> installer = VerifiedInstaller(state, makerKey);
  if (!installer) {
    platform::MsgBox(DownloadFromMessage(site));
    return NextStep::EndProcess;
  }
  platform::MsgBox(InstallAndRestartMessage());
  platform::StartDetached(*installer, {}, state.ProgramFolder);
  return NextStep::EndProcess;
}

}  // namespace update
