#include "companion_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include "file_lookup.h"
#include "folders.h"
#include "private_folder.h"

void WriteCompanionFile(const CompanionFile& file, const std::string& folder) {
  if (platform::FindInFolder(folder, file.name, platform::EntryKind::File)) {
    return;
  }
  const std::optional<std::vector<unsigned char>> bytes = DecodeHexText(file.text);
  if (!bytes) {
    return;
  }
  // Written aside and renamed into place, which never replaces an entry that appeared meanwhile.
  const QDir destination(QString::fromStdString(folder));
  QTemporaryFile temporary(
      destination.filePath(QLatin1String(file.name) + QLatin1String(".XXXXXX")));
  if (!temporary.open()) {
    return;
  }
  const auto size = static_cast<qint64>(bytes->size());
  if (temporary.write(reinterpret_cast<const char*>(bytes->data()), size) != size ||
      !temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                QFile::ExeOther) ||
      !temporary.flush()) {
    return;
  }
  if (temporary.rename(destination.filePath(QLatin1String(file.name)))) {
    temporary.setAutoRemove(false);
  }
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
