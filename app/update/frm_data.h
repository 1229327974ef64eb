#pragma once

#include <string>

#include "dwn_loader1.h"
#include "program_state.h"

namespace update {

// The holder of the runtime installer's download, which goes on in the background for as long as
// the holder lives: start-up keeps one for the life of the process.
class frmData {
 public:
  // Starts fetching the runtime installer and its signature from the download site into the
  // program's write folder; nothing without a download site. Returns at once.
  void GetRUNTIMME(const state::ProgramState& state);

  std::string url1;  // the installer's address
  std::string url2;  // the file it is saved in
  dwnLoader1 dwnLoader;
};

}  // namespace update
