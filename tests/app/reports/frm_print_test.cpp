// frmPrint driven through the modal-dialog seam with a stand-in printer: what it shows when it
// opens, what Print sends, and that a message leaves it open.

#include "frm_print.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "dialog_driver.h"
#include "fake_page_printer.h"
#include "recorded_messages.h"

namespace {

template <typename Control>
Control* Find(QDialog& dialog, const char* name) {
  auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int k = 0; k < combo.count(); ++k) {
    items << combo.itemText(k);
  }
  return items;
}

class PrintDialog : public testing::Test {
 protected:
  void SetUp() override {}

  // Opens frmPrint over the printers `printers` and lets `drive` act on it; returns how often it
  // closed.
  int Open(const reports::InstalledPrinterList& printers,
           const std::function<void(QDialog&)>& drive) {
    reports::frmPrint dialog(printers, "result 1\r\n\r\nresult 2", "summary", printer_);
    QSignalSpy finished(&dialog, &QDialog::finished);
    DialogDriver driver(drive);
    widgets::ShowModal(dialog);
    return finished.count();
  }

  const reports::InstalledPrinterList printers_{{"Alpha", "VantoraPDF", "Zeta"}, "VantoraPDF"};
  FakePagePrinter printer_;
  RecordedMessages messages_;
};

TEST_F(PrintDialog, OpensWithThePrintersTheDefaultAndTheUsualChoices) {
  const int closed = Open(printers_, [](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Print");
    auto* printer = Find<QComboBox>(dialog, "cboPrinter");
    EXPECT_EQ(Items(*printer), QStringList({"Alpha", "VantoraPDF", "Zeta"}));
    EXPECT_EQ(printer->currentText(), "VantoraPDF");
    auto* copies = Find<QComboBox>(dialog, "Combo1");
    EXPECT_EQ(Items(*copies), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(copies->currentText(), "1");
    EXPECT_TRUE(copies->isEditable());
    auto* size = Find<QComboBox>(dialog, "Combo2");
    EXPECT_EQ(Items(*size), QStringList({"8", "10", "12", "14", "16"}));
    EXPECT_EQ(size->currentText(), "12");
    EXPECT_TRUE(size->isEditable());
    EXPECT_TRUE(Find<QRadioButton>(dialog, "Option1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(dialog, "Option2")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "Check1")->isChecked());
    EXPECT_EQ(Find<QPushButton>(dialog, "cmdPrint")->accessibleName(), "Print");
    EXPECT_EQ(Find<QPushButton>(dialog, "cmdExit")->text(), "Cancel");
    Find<QPushButton>(dialog, "cmdExit")->click();
  });
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(printer_.calls, 0) << "Cancel prints nothing";
}

TEST_F(PrintDialog, PrintSendsThePagesWithTheChosenSettingsToTheDefaultPrinterAndCloses) {
  const int closed = Open(printers_, [](QDialog& dialog) {
    Find<QComboBox>(dialog, "cboPrinter")->setCurrentText("Zeta");
    Find<QComboBox>(dialog, "Combo1")->setCurrentText("2");
    Find<QComboBox>(dialog, "Combo2")->setCurrentText("16");
    Find<QRadioButton>(dialog, "Option2")->setChecked(true);
    Find<QCheckBox>(dialog, "Check1")->setChecked(true);
    Find<QPushButton>(dialog, "cmdPrint")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  });
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(messages_.shown.empty());
  ASSERT_EQ(printer_.pages.size(), 1u);
  EXPECT_EQ(printer_.pages[0].text,
            "\r\n\r\n\r\n\r\n     summary\r\n     result 1\r\n     result 2\r\n");
  EXPECT_EQ(printer_.pages[0].settings.copies, 2);
  EXPECT_EQ(printer_.pages[0].settings.fontSize, 16);
  EXPECT_TRUE(printer_.pages[0].settings.landscape);
}

TEST_F(PrintDialog, AfterAMessageTheDialogStaysOpenForAnotherTry) {
  const int closed = Open(printers_, [](QDialog& dialog) {
    Find<QComboBox>(dialog, "Combo1")->setCurrentText("none");
    Find<QPushButton>(dialog, "cmdPrint")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    Find<QComboBox>(dialog, "Combo1")->setCurrentText("1");
    Find<QPushButton>(dialog, "cmdPrint")->click();
  });
  EXPECT_EQ(closed, 1) << "closed once, by the second Print";
  EXPECT_EQ(messages_.Titled(),
            std::vector<std::string>{"Printer Error: Error: \"none\" is not a number of "
                                     "copies; type a whole number from 1 up."});
  EXPECT_EQ(printer_.pages.size(), 1u);
}

TEST_F(PrintDialog, WithoutADefaultPrinterThereIsNoPrinterToPrintOn) {
  const int closed = Open({{"Alpha", "Zeta"}, ""}, [](QDialog& dialog) {
    EXPECT_EQ(Find<QComboBox>(dialog, "cboPrinter")->currentText(), "");
    Find<QPushButton>(dialog, "cmdPrint")->click();
  });
  EXPECT_EQ(closed, 0) << "the dialog stays open";
  EXPECT_EQ(messages_.Titled(),
            std::vector<std::string>{"Printer Not Install: No Printer Detected"});
  EXPECT_EQ(printer_.calls, 0);
}

}  // namespace
