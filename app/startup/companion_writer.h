#pragma once

#include "companion_file.h"

#include <string>

// Writes the companion file into `folder` when the folder holds no plain file of that name (in
// any letter case), byte for byte and executable (0755); an existing file is used as found,
// whatever its content. Reports nothing, as its callers go on either way: a failure leaves no
// file behind, so the next start writes it again rather than taking a partial copy for present.
void WriteCompanionFile(const CompanionFile& file, const std::string& folder);
