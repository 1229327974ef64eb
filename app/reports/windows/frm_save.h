#pragma once

#include <QDialog>

#include "saved_results.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace reports {

// The save dialog: the folder (starting at the program's folder, changed through the folder
// chooser), the file name (starting as proposed) and whether the Windows summary comes first.
// Save accepts the dialog; Cancel, Escape and the window's close button reject it.
class frmSave : public QDialog {
  Q_OBJECT

 public:
  frmSave(const std::string& programFolder, const std::string& proposedFileName,
          QWidget* parent = nullptr);

  // What the dialog shows: the folder, the file name and the check box.
  SaveChoice Choice() const;

 private:
  void ChooseFolder();

  std::string programFolder_;
  QLabel* Label2_;
  QLabel* Label1_;
  QToolButton* Image1_;
  QLineEdit* Text1_;
  QCheckBox* Check1_;
  QPushButton* Command1_;
  QPushButton* Command2_;
};

}  // namespace reports
