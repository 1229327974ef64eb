#include "version_check.h"

#include <sys/stat.h>

#include "companion_writer.h"
#include "download_site.h"
#include "editions.h"
#include "file_lookup.h"
#include "message_box.h"
#include "start_detached.h"
#include "timing.h"
#include "trusted_location.h"
#include "version_number.h"
#include "whole_file.h"

namespace update {
namespace {

// Copies the program (the edition's executable in the program folder, a link followed) to its
// versioned name, replacing an earlier copy; executable like the program.
void KeepVersionedCopy(const state::ProgramState& state, const updater::Edition& edition) {
  const std::optional<std::string> program =
      platform::FindInFolder(state.ProgramFolder, edition.program, platform::EntryKind::File);
  struct stat entry {};
  if (!program || state.ProgramWriteFolder.empty() || ::stat(program->c_str(), &entry) != 0) {
    return;
  }
  const platform::FileRead read = platform::ReadWholeFile(*program);
  const std::string copy =
      state.ProgramWriteFolder + "/" + updater::VersionedProgramName(edition, state.ProgramVersion);
  if (read.status == platform::FileRead::Status::Ok &&
      platform::ReplaceWholeFile(copy, read.content)) {
    ::chmod(copy.c_str(), entry.st_mode & 0777);
  }
}

// Starts the updater from the write folder, when it lies where no other user can have changed it.
bool StartUpdater(const state::ProgramState& state, const startup::CompanionFile& ambrel,
                  const updater::Edition& edition) {
  const std::optional<std::string> path =
      platform::FindInFolder(state.ProgramWriteFolder, ambrel.name, platform::EntryKind::File);
  const std::optional<std::string> trusted =
      path ? platform::TrustedProgramPath(*path) : std::nullopt;
  return trusted && platform::StartDetached(*trusted, {edition.updaterSwitch}, state.ProgramFolder);
}

}  // namespace

std::string UpdatePrompt(int edition) {
  return std::string("An update is available for ") + updater::EditionOf(edition).name +
         ", would you like to update now?";
}

NextStep VersionCheck::GetVer(const state::ProgramState& state,
                              const startup::CompanionFile& ambrel) {
  const std::string site = updater::DownloadSite();
  if (site.empty() || state.TempFolder.empty()) {
    return NextStep::ContinueStartUp;
  }
  const updater::Edition& edition = updater::EditionOf(state.Edition);
  url1 = updater::PerformanceAddress(site, updater::VersionFileName(edition));
  url2 = state.TempFolder + "/" + kVersionFileName;
  dwnLoader.BeginDownload(url1, url2);
  runner::Delay(1000);

  // The file of this run's transfer or, when it was too slow, of an earlier one.
  const std::optional<std::string> versionFile =
      platform::FindInFolder(state.TempFolder, kVersionFileName);
  const platform::FileRead read =
      versionFile ? platform::ReadWholeFile(*versionFile) : platform::FileRead{};
  if (read.status != platform::FileRead::Status::Ok) {
    return NextStep::ContinueStartUp;
  }
  const std::string remote = read.content.substr(0, 4);
  if (!updater::IsNewerVersion(remote, state.ProgramVersion)) {
    return NextStep::ContinueStartUp;
  }
  if (platform::MsgBox(UpdatePrompt(state.Edition), platform::MsgButtons::YesNo,
                       platform::MsgIcon::None, "Update") != platform::MsgAnswer::Yes) {
    return NextStep::ContinueStartUp;
  }
  if (!state.ProgramWriteFolder.empty()) {
    startup::WriteCompanionFile(ambrel, state.ProgramWriteFolder);
  }
  runner::Delay(500);
  KeepVersionedCopy(state, edition);
  // An updater that cannot be started leaves nothing to end the program for: it goes on.
  return StartUpdater(state, ambrel, edition) ? NextStep::EndProcess : NextStep::ContinueStartUp;
}

}  // namespace update
