#pragma once

#include "signature.h"

namespace updater {

// The maker's public key this build trusts.
const PublicKey& MakerKey();

}  // namespace updater
