// "Print Results" on a system whose print service has no printer: the dialog lists none and Print
// says so. The test's main points the print service's address where no service runs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include "dialog_driver.h"
#include "recorded_messages.h"
#include "results_menu.h"

namespace {

TEST(NoPrinter, PrintSaysNoPrinterDetectedAndTheDialogStaysOpen) {
  RecordedMessages messages;
  int printers = -1;
  int result = -1;
  {
    DialogDriver driver([&](QDialog& dialog) {
      printers = dialog.findChild<QComboBox*>("cboPrinter")->count();
      dialog.findChild<QPushButton*>("cmdPrint")->click();
      result = dialog.result();
    });
    reports::PrintResults(nullptr, "summary", "result 1\r\nresult 2\r\n");
  }
  EXPECT_EQ(printers, 0);
  EXPECT_EQ(messages.Titled(),
            std::vector<std::string>{"Printer Not Install: No Printer Detected"});
  EXPECT_EQ(messages.shown.front().icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(result, QDialog::Rejected) << "not closed by Print";
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything asks the print service: an address where none answers.
  qputenv("CUPS_SERVER", "/nonexistent/vantora-test/cups.sock");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
