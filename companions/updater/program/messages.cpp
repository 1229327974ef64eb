#include "messages.h"

namespace updater {
namespace {

std::string Unchanged(const Edition& edition) {
  return " The installed " + std::string(edition.name) + " is unchanged.";
}

}  // namespace

std::string UsageMessage() {
  return "Ambrel updates Vantora. It is started by the program, in the program's folder, with -U "
         "for the Vantora edition or -R for the Pellisto edition.";
}

std::string NoProgramMessage(const Edition& edition, const std::string& folder) {
  return "There is no " + std::string(edition.name) + " program (\"" + edition.program + "\") in " +
         folder + ". Ambrel updates the program in the folder it is started in." +
         " Nothing was changed.";
}

std::string NoPermissionMessage(const Edition& edition, const std::string& folder) {
  return "Ambrel may not change the program folder " + folder + ". Update " + edition.name +
         " as a user who may write there (for an installation for all users, the "
         "administrator)." +
         Unchanged(edition);
}

std::string NoSiteMessage(const Edition& edition) {
  return "No download site is set, so there is nothing to update from. The environment variable "
         "VANTORA_DOWNLOAD_SITE names it." +
         Unchanged(edition);
}

std::string NoNetworkMessage(const Edition& edition, const std::string& site,
                             const std::string& reason) {
  return "The download site " + site + " cannot be reached (" + reason +
         "). Check the network connection and try again." + Unchanged(edition);
}

std::string SiteErrorMessage(const Edition& edition, const std::string& file,
                             const std::string& reason) {
  return "The download site could not deliver " + file + " (" + reason + "). Try again later." +
         Unchanged(edition);
}

std::string InterruptedMessage(const Edition& edition, const std::string& file,
                               const std::string& reason) {
  return "The download of " + file + " broke off (" + reason + "). Try again later." +
         Unchanged(edition);
}

std::string MissingManifestMessage(const Edition& edition, const std::string& site,
                                   const std::string& manifest) {
  return "The download site " + site + " offers no update for " + edition.name + ": its " +
         manifest + " is missing." + Unchanged(edition);
}

std::string MalformedManifestMessage(const Edition& edition, const std::string& manifest,
                                     const std::string& error) {
  return "The update description " + manifest + " on the download site is malformed: " + error +
         "." + Unchanged(edition);
}

std::string MissingPackageMessage(const Edition& edition, const std::string& package) {
  return "The update package " + package + " is missing on the download site." + Unchanged(edition);
}

std::string DamagedPackageMessage(const Edition& edition, const std::string& package) {
  return "The downloaded package " + package +
         " is incomplete or damaged: it does not match its update description. Try again later." +
         Unchanged(edition);
}

std::string BadSignatureMessage(const Edition& edition, const std::string& package) {
  return "The update package " + package + " is not signed by the maker of " + edition.name +
         ", so it was not installed." + Unchanged(edition);
}

std::string MalformedPackageMessage(const Edition& edition, const std::string& package,
                                    const std::string& error) {
  return "The update package " + package + " cannot be installed: " + error + "." +
         Unchanged(edition);
}

std::string NotNewerMessage(const Edition& edition, const std::string& offered,
                            const std::string& own) {
  return "The download site offers " + std::string(edition.name) + " " + offered +
         ", which is not newer than " + own + ", so it was not installed." + Unchanged(edition);
}

std::string ReplaceFailedMessage(const Edition& edition, const std::string& detail) {
  return "The new files could not be put in place (" + detail +
         "); the previous files were restored." + Unchanged(edition);
}

std::string NotStartedMessage(const Edition& edition, const std::string& version) {
  return std::string(edition.name) + " was updated to version " + version +
         " but could not be started. Start it as usual.";
}

}  // namespace updater
