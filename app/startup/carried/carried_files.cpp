#include "carried_files.h"

namespace startup {

extern const HexText kRamExeText;
extern const HexText kPellistoEngineText;
extern const HexText kAmbrelText;
extern const HexText kKovrinText;
extern const HexText kTessalText;
extern const HexText kSystemInfoText;

const CompanionFile kRamExeFile{"RAM.exe", CompanionFolder::TempFolder, kRamExeText};
const CompanionFile kPellistoEngineFile{"Pellisto-win32.exe", CompanionFolder::TempFolder,
                                        kPellistoEngineText};
const CompanionFile kAmbrelFile{"Ambrel.exe", CompanionFolder::ProgramFolder, kAmbrelText};
const CompanionFile kKovrinFile{"Kovrin.exe", CompanionFolder::ProgramFolder, kKovrinText};
const CompanionFile kTessalFile{"Tessal.exe", CompanionFolder::ProgramFolder, kTessalText};
const CompanionFile kSystemInfoFile{"SystemInfo.exe", CompanionFolder::SystemFolder,
                                    kSystemInfoText};

const std::vector<const CompanionFile*>& CarriedFiles() {
  static const std::vector<const CompanionFile*> files{&kRamExeFile, &kPellistoEngineFile,
                                                       &kAmbrelFile, &kKovrinFile,
                                                       &kTessalFile, &kSystemInfoFile};
  return files;
}

}  // namespace startup
