// Takes a picture of the main window as a person sees it: started as the program starts, the
// checked tests run with the real engine, the given page shown.
// Usage: main-window-shot OUTPUT.png PAGE [BOX...]

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <cstdlib>
#include <iostream>

#include "edition.h"
#include "frm_main.h"
#include "main_procedure.h"
#include "maker_key.h"
#include "program_state.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 3) {
    std::cerr << "usage: main-window-shot OUTPUT.png PAGE [BOX...]\n";
    return 2;
  }
  state::ProgramState state;
  update::frmData data;
  startup::Main(state, data, {}, updater::MakerKey());
  startup::frmMain window(state);
  if (!window.Load(startup::GetEXEName(startup::ProcessCommandLine()))) {
    return 1;
  }
  window.show();
  for (int i = 3; i < argc; ++i) {
    window.findChild<QCheckBox*>(QStringLiteral("RunTEST_%1").arg(argv[i]))->click();
  }
  if (argc > 3) {
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  }
  auto* page = window.findChild<QAbstractButton*>(QStringLiteral("SelectP_%1").arg(argv[2]));
  page->click();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
