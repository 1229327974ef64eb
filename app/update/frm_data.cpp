#include "frm_data.h"

#include "download_site.h"

namespace update {

void frmData::GetRUNTIMME(const state::ProgramState& state) {
  const std::string site = updater::DownloadSite();
  if (site.empty() || state.ProgramWriteFolder.empty()) {
    return;
  }
  url1 = updater::RuntimeInstallerAddress(site);
  url2 = state.ProgramWriteFolder + "/" + updater::kRuntimeInstallerName;
  // The signature first, so that it is usually there by the time the installer is.
  dwnLoader.BeginDownload(url1 + updater::kSignatureSuffix, url2 + updater::kSignatureSuffix);
  dwnLoader.BeginDownload(url1, url2);
}

}  // namespace update
