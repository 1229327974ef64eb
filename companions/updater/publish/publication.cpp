#include "publication.h"

#include <stdexcept>

#include "digest.h"
#include "manifest.h"
#include "plain_name.h"

namespace updater {

Publication Publish(const SigningKey& key, const Edition& edition, const std::string& version,
                    const std::vector<PackageFile>& files) {
  if (!IsVersionText(version)) {
    throw std::invalid_argument("the version \"" + version + "\" is not of the form 0.11");
  }
  bool holdsProgram = false;
  for (const PackageFile& file : files) {
    if (!IsPlainFileName(file.name)) {
      throw std::invalid_argument("\"" + file.name + "\" is not a plain file name");
    }
    holdsProgram = holdsProgram || file.name == edition.program;
  }
  if (!holdsProgram) {
    throw std::invalid_argument("a " + std::string(edition.name) + " package must hold \"" +
                                edition.program + "\"");
  }
  Publication publication;
  publication.packageName = std::string(edition.program) + "-" + version + ".pkg";
  publication.package = BuildPackage({edition.name, version, files});
  const PackageRead check = ParsePackage(publication.package);
  if (!check.package) {
    throw std::invalid_argument("the package would be malformed: " + check.error);
  }
  publication.signature = key.Sign(publication.package);
  publication.manifest = ManifestText({publication.packageName, Sha256Hex(publication.package)});
  publication.versionFile = version + "\r\n";
  return publication;
}

}  // namespace updater
