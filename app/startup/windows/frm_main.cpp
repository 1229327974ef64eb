#include "frm_main.h"

namespace startup {

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Memory and Cache Benchmark Utility"));
  resize(612, 555);
}

}  // namespace startup
