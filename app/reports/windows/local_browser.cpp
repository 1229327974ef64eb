#include "local_browser.h"

#include <QDir>
#include <QFileDialog>

#include "show_modal.h"

namespace reports {

std::string BrowseForFolder(QWidget* owner, const std::string& startFolder,
                            const std::string& title) {
  QFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(startFolder));
  dialog.setObjectName(QStringLiteral("BrowseForFolder"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (widgets::ShowModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return QDir::cleanPath(QDir(dialog.selectedFiles().constFirst()).absolutePath()).toStdString();
}

}  // namespace reports
