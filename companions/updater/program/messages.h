#pragma once

#include <string>

#include "editions.h"

namespace updater {

// The updater's messages. Each says what happened and, for a failure, that the installed program
// is unchanged.

std::string UsageMessage();
std::string NoProgramMessage(const Edition& edition, const std::string& folder);
std::string NoPermissionMessage(const Edition& edition, const std::string& folder);
std::string NoSiteMessage(const Edition& edition);
std::string NoNetworkMessage(const Edition& edition, const std::string& site,
                             const std::string& reason);
std::string SiteErrorMessage(const Edition& edition, const std::string& file,
                             const std::string& reason);
std::string InterruptedMessage(const Edition& edition, const std::string& file,
                               const std::string& reason);
std::string MissingManifestMessage(const Edition& edition, const std::string& site,
                                   const std::string& manifest);
std::string MalformedManifestMessage(const Edition& edition, const std::string& manifest,
                                     const std::string& error);
std::string MissingPackageMessage(const Edition& edition, const std::string& package);
std::string DamagedPackageMessage(const Edition& edition, const std::string& package);
std::string BadSignatureMessage(const Edition& edition, const std::string& package);
std::string MalformedPackageMessage(const Edition& edition, const std::string& package,
                                    const std::string& error);
std::string NotNewerMessage(const Edition& edition, const std::string& offered,
                            const std::string& own);
std::string ReplaceFailedMessage(const Edition& edition, const std::string& detail);
std::string NotStartedMessage(const Edition& edition, const std::string& version);

}  // namespace updater
