#include "saved_results.h"

#include <QSaveFile>
#include <QString>
#include <filesystem>
#include <system_error>

namespace reports {

std::string SaveFilePath(const std::string& folder, const std::string& fileName) {
  if (!folder.empty() && folder.back() == '/') {
    return folder + fileName;
  }
  return folder + "/" + fileName;
}

std::string SavedResultsText(const std::string& winBox, const std::string& allResults,
                             bool includeWinInfo) {
  return includeWinInfo ? winBox + "\r\n" + allResults : allResults;
}

std::string SaveResultsFile(const SaveChoice& choice, const std::string& winBox,
                            const std::string& allResults) {
  if (choice.folder.empty()) {
    return "No folder was chosen.";
  }
  if (choice.fileName.empty()) {
    return "No file name was given.";
  }
  std::error_code error;
  const std::filesystem::path folder(choice.folder);
  if (!std::filesystem::exists(std::filesystem::symlink_status(folder, error))) {
    if (!std::filesystem::create_directory(folder, error)) {
      return "The folder \"" + choice.folder + "\" could not be created: " + error.message() + ".";
    }
  } else if (!std::filesystem::is_directory(folder, error)) {
    return "\"" + choice.folder + "\" is not a folder.";
  }

  const std::string path = SaveFilePath(choice.folder, choice.fileName);
  const std::string text = SavedResultsText(winBox, allResults, choice.includeWinInfo);
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    return "The file \"" + path + "\" could not be written: " + file.errorString().toStdString() +
           ".";
  }
  return {};
}

}  // namespace reports
