#pragma once

#include <QDialog>
#include <functional>

#include "show_modal.h"

// Drives every modal dialog of one test in place of a person: `drive` gets each dialog as it opens
// (dialogs opened from a dialog included), acts on it and closes it, or leaves it open, which the
// dialog's result then tells.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(QDialog&)> drive)
      : previous_(widgets::SetModalHandler([drive](QDialog& dialog) {
          drive(dialog);
          return dialog.result();
        })) {}
  ~DialogDriver() { widgets::SetModalHandler(previous_); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

 private:
  widgets::ModalHandler previous_;
};
