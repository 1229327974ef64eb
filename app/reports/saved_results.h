#pragma once

#include <string>

namespace reports {

// What the user chose in the save dialog.
struct SaveChoice {
  std::string folder;  // no trailing slash
  std::string fileName;
  bool includeWinInfo = false;
};

// The path of the file to write: the folder, a slash and the file name.
std::string SaveFilePath(const std::string& folder, const std::string& fileName);

// The saved text: with the Windows summary, the summary and CR LF first; then the results log as
// it stands, with no line end added.
std::string SavedResultsText(const std::string& winBox, const std::string& allResults,
                             bool includeWinInfo);

// Saves the results as chosen. The folder is created when nothing of that name exists (one level);
// the file is written whole or not at all (a new file in the same folder, renamed over any file
// of that name). Returns why the results were not saved, or an empty text when they were.
std::string SaveResultsFile(const SaveChoice& choice, const std::string& winBox,
                            const std::string& allResults);

}  // namespace reports
