#include "carried_files.h"

namespace startup {

extern const HexText kRamExeText;
extern const HexText kPellistoEngineText;

const CompanionFile kRamExeFile{"RAM.exe", CompanionFolder::TempFolder, kRamExeText};
const CompanionFile kPellistoEngineFile{"Pellisto-win32.exe", CompanionFolder::TempFolder,
                                        kPellistoEngineText};

const std::vector<const CompanionFile*>& CarriedFiles() {
  static const std::vector<const CompanionFile*> files{&kRamExeFile, &kPellistoEngineFile};
  return files;
}

}  // namespace startup
