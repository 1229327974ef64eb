#include "about_menu.h"

#include "about_texts.h"
#include "frm_about.h"
#include "frm_info.h"
#include "message_box.h"
#include "show_modal.h"
#include "web_addresses.h"
#include "web_page.h"

namespace startup {
namespace {

void ShowInformation(QWidget* owner, state::ProgramState& state, int infoMode) {
  state.InfoMode = infoMode;
  frmINFO window(state.InfoMode, state.Edition, owner);
  widgets::ShowModal(window);
}

}  // namespace

void ShowCpuIdInfo(QWidget* owner, state::ProgramState& state) { ShowInformation(owner, state, 1); }

void ShowTestInfo(QWidget* owner, state::ProgramState& state) { ShowInformation(owner, state, 2); }

void ShowRamDriveSoftware() {
  platform::MsgBox(RamDriveMessage());
  widgets::OpenWebPage(RamDiskVendorPage());
}

void ShowAbout(QWidget* owner, const state::ProgramState& state) {
  frmAbout window(AboutTextsFor(state.Edition, state.ProgramVersion, state.ProgramDate), owner);
  widgets::ShowModal(window);
}

}  // namespace startup
