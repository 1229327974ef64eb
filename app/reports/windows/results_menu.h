#pragma once

#include <string>

#include "program_state.h"

class QWidget;

namespace reports {

// The entries "Save Results" and "Print Results" of the main window's "Options" menu. `winBox` is
// the Windows summary text, `allResults` the results log. The dialogs open modally over `owner`
// through widgets::ShowModal.

// Saves the results where the user chooses in frmSave, starting at the program's write folder.
// When they cannot be saved, one message says so and why.
void SaveResults(QWidget* owner, const state::ProgramState& state, const std::string& winBox,
                 const std::string& allResults);

// Prints the results as the user chooses in frmPrint, on the default printer.
void PrintResults(QWidget* owner, const std::string& winBox, const std::string& allResults);

}  // namespace reports
