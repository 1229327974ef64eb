#pragma once

#include <string>
#include <vector>

#include "frm_data.h"
#include "next_step.h"
#include "program_state.h"
#include "signature.h"

namespace update {

// The pauses of the runtime check.
struct RuntimePolling {
  int polls = 60;                 // looks for the arrived installer at most this often...
  int pollMilliSeconds = 1000;    // ...this far apart
  int settleMilliSeconds = 2000;  // the pause once it is there
};

// "download from" and the installer's address (without a download site, no address).
std::string DownloadFromMessage(const std::string& site);
// The message shown before the installer starts.
std::string InstallAndRestartMessage();

// The start-up step for missing runtime components. Looks for each of `RequiredFiles`: an absolute
// path where it names, a name or relative path in WinDir's system folder; a folder counts too.
// With all present start-up goes on. Otherwise it fetches the runtime installer again through
// `data`, waits for it and its signature to arrive in the program's write folder, and ends the
// process: with the "download from" message when no installer came or its signature is not
// `makerKey`'s, else with the "install ... and restart" message after starting a private copy of
// exactly the verified bytes in the program folder. Without a download site it does not wait for
// a transfer.
NextStep CheckRuntimeComponents(const state::ProgramState& state,
                                const std::vector<std::string>& RequiredFiles, frmData& data,
                                const updater::PublicKey& makerKey,
                                const RuntimePolling& polling = {});

}  // namespace update
