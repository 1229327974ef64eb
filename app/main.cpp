// The desktop program: the start-up procedure, then the main window until it closes.

#include <QApplication>

#include "carried_files.h"
#include "edition.h"
#include "frm_data.h"
#include "frm_main.h"
#include "main_procedure.h"
#include "maker_key.h"
#include "message_box.h"
#include "program_state.h"
#include "qt_message_box.h"
#include "required_files.h"
#include "version_check.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  widgets::InstallQtMessageBox();
  const std::string exePath = startup::GetEXEName(startup::ProcessCommandLine());
  platform::SetApplicationTitle(startup::EditionOf(exePath) == 1 ? "Pellisto" : "Vantora");

  // Both downloads go on in the background for as long as the program runs.
  state::ProgramState state;
  update::frmData data;
  update::VersionCheck versionCheck;
  if (!startup::Main(state, data, startup::RequiredFiles(), updater::MakerKey())) {
    return 0;
  }

  startup::frmMain window(state);
  const auto getVer = [&] {
    return versionCheck.GetVer(state, startup::kAmbrelFile) == update::NextStep::ContinueStartUp;
  };
  if (!window.Load(exePath, getVer)) {
    return 0;
  }
  window.show();
  return application.exec();
}
