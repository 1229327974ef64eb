#include "signature.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

#include "openssl_handles.h"

namespace updater {
std::optional<PublicKey> PublicKey::FromPem(std::string_view pem) {
  Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
  if (!bio) {
    return std::nullopt;
  }
  Pkey key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
  if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519) {
    return std::nullopt;
  }
  Bytes raw{};
  std::size_t length = raw.size();
  if (EVP_PKEY_get_raw_public_key(key.get(), raw.data(), &length) != 1 || length != raw.size()) {
    return std::nullopt;
  }
  return PublicKey(raw);
}

bool VerifySignature(const PublicKey& key, std::string_view message, std::string_view signature) {
  if (signature.size() != kSignatureSize) {
    return false;
  }
  Pkey pkey(
      EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, key.raw().data(), key.raw().size()));
  MdCtx context(EVP_MD_CTX_new());
  if (!pkey || !context ||
      EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, pkey.get()) != 1) {
    return false;
  }
  // Ed25519 signs the whole message in one pass: no digest of ours in between.
  return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                          signature.size(), reinterpret_cast<const unsigned char*>(message.data()),
                          message.size()) == 1;
}

}  // namespace updater
