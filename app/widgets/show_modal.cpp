#include "show_modal.h"

#include <QDialog>
#include <utility>

namespace widgets {
namespace {

int Exec(QDialog& dialog) { return dialog.exec(); }

ModalHandler& CurrentHandler() {
  static ModalHandler handler = Exec;
  return handler;
}

}  // namespace

int ShowModal(QDialog& dialog) {
  // A copy, so that a handler may replace itself while the dialog is open.
  const ModalHandler handler = CurrentHandler();
  return handler(dialog);
}

ModalHandler SetModalHandler(ModalHandler handler) {
  if (!handler) {
    handler = Exec;
  }
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace widgets
