// The desktop program: starts the application and hands over to start-up.

#include <QApplication>

#include "frm_main.h"
#include "qt_message_box.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  widgets::InstallQtMessageBox();
  startup::frmMain window;
  window.show();
  return application.exec();
}
