#include "editions.h"

namespace updater {
namespace {

constexpr Edition kEditions[] = {
    {"Vantora", "vantora", "-U"},
    {"Pellisto", "pellisto", "-R"},
};

}  // namespace

const Edition& EditionOf(int edition) { return kEditions[edition == 1 ? 1 : 0]; }

const Edition* EditionBySwitch(std::string_view updaterSwitch) {
  for (const Edition& edition : kEditions) {
    if (updaterSwitch == edition.updaterSwitch) {
      return &edition;
    }
  }
  return nullptr;
}

std::string VersionFileName(const Edition& edition) {
  return std::string(edition.name) + "Version.Dat";
}

std::string ManifestFileName(const Edition& edition) {
  return std::string(edition.name) + "Update.Dat";
}

std::string VersionedProgramName(const Edition& edition, const std::string& version) {
  return edition.program + version;
}

}  // namespace updater
