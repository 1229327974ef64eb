#pragma once

#include <string>
#include <vector>

#include "editions.h"
#include "package.h"
#include "signing_key.h"

namespace updater {

// The files a maker puts on the download site, in its "/Performance/" folder, for one version of
// one edition.
struct Publication {
  std::string packageName;  // "vantora-0.11.pkg"
  std::string package;      // the package's bytes
  std::string signature;    // the package's signature, served as packageName + ".sig"
  std::string manifest;     // served as ManifestFileName(edition)
  std::string versionFile;  // served as VersionFileName(edition)
};

// The publication of `files` as `version` of `edition`, signed with `key`. Throws
// std::invalid_argument when the version is not of the form 0.11, a name is not a plain file name
// or comes twice, or the edition's program is not among the files.
Publication Publish(const SigningKey& key, const Edition& edition, const std::string& version,
                    const std::vector<PackageFile>& files);

}  // namespace updater
