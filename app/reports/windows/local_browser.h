#pragma once

#include <string>

class QWidget;

namespace reports {

// The folder chooser: Qt's folder dialog titled `title`, modal to `owner` and shown through
// widgets::ShowModal, starting at `startFolder`. Returns the chosen folder's path without a
// trailing slash, or an empty text when the user cancels.
std::string BrowseForFolder(QWidget* owner, const std::string& startFolder,
                            const std::string& title);

}  // namespace reports
