#include "download_site.h"

#include <cstdlib>

namespace updater {

std::string DownloadSite() {
  const char* fromEnvironment = std::getenv("VANTORA_DOWNLOAD_SITE");
  std::string site = fromEnvironment != nullptr && *fromEnvironment != '\0'
                         ? fromEnvironment
                         : VANTORA_DEFAULT_DOWNLOAD_SITE;
  while (!site.empty() && site.back() == '/') {
    site.pop_back();
  }
  return site;
}

std::string PerformanceAddress(const std::string& site, const std::string& fileName) {
  return site + "/Performance/" + fileName;
}

std::string RuntimeInstallerAddress(const std::string& site) {
  return site + "/" + kRuntimeInstallerName;
}

}  // namespace updater
