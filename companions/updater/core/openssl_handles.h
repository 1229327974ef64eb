#pragma once

#include <openssl/bio.h>
#include <openssl/evp.h>

#include <memory>

namespace updater {

// OpenSSL objects owned by a unique_ptr, freed however the code that made them leaves.
struct PkeyFree {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct BioFree {
  void operator()(BIO* bio) const { BIO_free(bio); }
};
struct MdCtxFree {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

using Pkey = std::unique_ptr<EVP_PKEY, PkeyFree>;
using Bio = std::unique_ptr<BIO, BioFree>;
using MdCtx = std::unique_ptr<EVP_MD_CTX, MdCtxFree>;

}  // namespace updater
