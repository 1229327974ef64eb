#pragma once

#include <functional>

class QDialog;

namespace widgets {

// Every modal dialog of the program is shown through ShowModal, so that a test can drive the dialog
// in place of a person: the handler gets the dialog, set up and ready, and returns its result code
// as QDialog::exec() would. The default handler is exec().
using ModalHandler = std::function<int(QDialog& dialog)>;

int ShowModal(QDialog& dialog);

// Installs `handler` (an empty one restores exec()) and returns the handler it replaces.
ModalHandler SetModalHandler(ModalHandler handler);

}  // namespace widgets
