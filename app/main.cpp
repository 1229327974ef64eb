// The desktop program: the start-up procedure, then the main window until it closes.

#include <QApplication>

#include "carried_files.h"
#include "edition.h"
#include "frm_main.h"
#include "main_procedure.h"
#include "message_box.h"
#include "program_state.h"
#include "qt_message_box.h"
#include "start_detached.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  widgets::InstallQtMessageBox();
  const std::string exePath = startup::GetEXEName(startup::ProcessCommandLine());
  platform::SetApplicationTitle(startup::EditionOf(exePath) == 1 ? "Pellisto" : "Vantora");

  state::ProgramState state;
  startup::Main(state);

  startup::frmMain window(state);
  window.SetMonitorStarter([&state](const std::string& name) {
    startup::StartMonitor(state, name == "Kovrin.exe" ? startup::kKovrinFile : startup::kTessalFile,
                          platform::StartDetached);
  });
  if (!window.Load(exePath)) {
    return 0;
  }
  window.show();
  return application.exec();
}
