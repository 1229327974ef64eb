#include "results_menu.h"

#include <QDateTime>
#include <QLocale>

#include "default_printer.h"
#include "frm_print.h"
#include "frm_save.h"
#include "message_box.h"
#include "save_file_name.h"
#include "show_modal.h"

namespace reports {

void SaveResults(QWidget* owner, const state::ProgramState& state, const std::string& winBox,
                 const std::string& allResults) {
  frmSave dialog(state.ProgramWriteFolder,
                 ProposedFileName(QDateTime::currentDateTime(), QLocale::system()), owner);
  if (widgets::ShowModal(dialog) != QDialog::Accepted) {
    return;
  }
  const std::string reason = SaveResultsFile(dialog.Choice(), winBox, allResults);
  if (!reason.empty()) {
    platform::MsgBox("The results were not saved. " + reason, platform::MsgButtons::OK,
                     platform::MsgIcon::Critical, "Save Results");
  }
}

void PrintResults(QWidget* owner, const std::string& winBox, const std::string& allResults) {
  DefaultPrinter printer;
  frmPrint dialog(InstalledPrinters(), allResults, winBox, printer, owner);
  widgets::ShowModal(dialog);
}

}  // namespace reports
