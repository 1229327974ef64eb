// Ambrel.exe, the updater the desktop program starts with -U (Vantora) or -R (Pellisto) in its
// program folder. It trusts only the maker's key built into it.

#include <QApplication>

#include "maker_key.h"
#include "run_updater.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  updater::InstallMessageBox();
  return updater::RunUpdater(QApplication::arguments(), updater::MakerKey());
}
