#pragma once

namespace widgets {

// Puts a real, modal Qt message box behind the program's message seam (platform::MsgBox), with the
// application's title unless the caller names one. Call once a QApplication exists.
void InstallQtMessageBox();

}  // namespace widgets
