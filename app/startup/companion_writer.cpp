#include "companion_writer.h"

#include "file_lookup.h"
#include "folders.h"
#include "private_folder.h"
#include "whole_file.h"

namespace startup {

void WriteCompanionFile(const CompanionFile& file, const std::string& folder) {
  if (platform::FindInFolder(folder, file.name, platform::EntryKind::File)) {
    return;
  }
  const std::optional<std::vector<unsigned char>> bytes = DecodeHexText(file.text);
  if (!bytes) {
    return;
  }
  // Created whole under its name, never over an entry that appeared meanwhile.
  platform::CreateWholeFile(
      folder + "/" + file.name,
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), 0755);
}

void WriteCompanionFile(const CompanionFile& file) {
  const std::string folder = CompanionDestination(file.folder);
  if (!folder.empty()) {
    WriteCompanionFile(file, folder);
  }
}

std::string CompanionDestination(CompanionFolder folder) {
  switch (folder) {
    case CompanionFolder::TempFolder:
      return platform::TempFolder().path;
    case CompanionFolder::ProgramFolder:
      return platform::ProgramWriteFolder(platform::ProgramFolder(),
                                          platform::UserDataFolder().path);
    case CompanionFolder::SystemFolder:
      break;
  }
  const platform::FolderResult winDir = platform::WinDir();
  if (!winDir.ok()) {
    return {};
  }
  const std::string sysFolder = platform::SysFolder(winDir.path);
  if (auto found = platform::FindInFolder(winDir.path, sysFolder, platform::EntryKind::Folder)) {
    return *found;
  }
  const std::string created = winDir.path + "/" + sysFolder;
  std::string ignored;
  return platform::EnsurePrivateFolder(created, ignored) ? created : std::string();
}

}  // namespace startup
