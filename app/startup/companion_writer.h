#pragma once

#include <string>

#include "companion_file.h"

namespace startup {

// Writes the companion file into `folder` when the folder holds no plain file of that name (in
// any letter case), byte for byte and executable (0755); an existing file is used as found,
// whatever its content. Reports nothing, as its callers go on either way: a failure leaves no
// file behind, so the next start writes it again rather than taking a partial copy for present.
void WriteCompanionFile(const CompanionFile& file, const std::string& folder);

// The same into the file's own destination folder.
void WriteCompanionFile(const CompanionFile& file);

// The temporary folder, the folder the program writes beside itself, or the system folder inside
// WinDir (created private when missing, since the summary tool is run from there). Empty when the
// folder cannot be had.
std::string CompanionDestination(CompanionFolder folder);

}  // namespace startup
