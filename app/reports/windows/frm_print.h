#pragma once

#include <QDialog>

#include "installed_printers.h"
#include "print_document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace reports {

// The print dialog: the installed printers (showing the default one), copies, font size,
// orientation and whether the Windows summary is printed first. Print prints the results log
// through `printer` and closes the dialog once every page was sent; after a message it stays open.
// Cancel and the window's close button close it without printing.
class frmPrint : public QDialog {
  Q_OBJECT

 public:
  frmPrint(const InstalledPrinterList& printers, const std::string& allResults,
           const std::string& winBox, PagePrinter& printer, QWidget* parent = nullptr);

 private:
  void cmdPrint_Click();

  std::string rtfLap1_;  // the document: the results log as it was when the dialog opened
  std::string winBox_;
  PagePrinter& printer_;
  QLabel* lblPrinter_;
  QComboBox* cboPrinter_;
  QLabel* Label1_;
  QComboBox* Combo1_;
  QLabel* Label2_;
  QComboBox* Combo2_;
  QLabel* Label3_;
  QRadioButton* Option1_;
  QRadioButton* Option2_;
  QCheckBox* Check1_;
  QPushButton* cmdPrint_;
  QPushButton* cmdExit_;
};

}  // namespace reports
