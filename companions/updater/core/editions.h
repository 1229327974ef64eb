#pragma once

#include <string>
#include <string_view>

namespace updater {

// What tells the two editions apart in an update.
struct Edition {
  const char* name;           // "Vantora", as in texts and the site's file names
  const char* program;        // the executable in the program folder, "vantora"
  const char* updaterSwitch;  // what the program passes to the updater, "-U"
};

// The edition of the program state's number: 0 Vantora, 1 Pellisto (any other number reads as 0).
const Edition& EditionOf(int edition);

// The edition an updater switch names; nothing for another text.
const Edition* EditionBySwitch(std::string_view updaterSwitch);

// "VantoraVersion.Dat": the edition's current version on the site.
std::string VersionFileName(const Edition& edition);

// "VantoraUpdate.Dat": the edition's manifest on the site.
std::string ManifestFileName(const Edition& edition);

// "vantora0.10": the copy of the program kept before an update.
std::string VersionedProgramName(const Edition& edition, const std::string& version);

}  // namespace updater
