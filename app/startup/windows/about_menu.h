#pragma once

#include "program_state.h"

class QWidget;

namespace startup {

// The entries of the main window's "About" menu. Each window opens modally over `owner` through
// widgets::ShowModal; web pages open through widgets::OpenWebPage.

// "CPU ID Info": InfoMode 1, then the information window.
void ShowCpuIdInfo(QWidget* owner, state::ProgramState& state);

// "Test Info": InfoMode 2, then the information window.
void ShowTestInfo(QWidget* owner, state::ProgramState& state);

// "RAM Drive Software": the recommendation through the message seam, then the vendor's page.
void ShowRamDriveSoftware();

// "About": the About window of the program's edition.
void ShowAbout(QWidget* owner, const state::ProgramState& state);

}  // namespace startup
