#include "signing_key.h"

#include <openssl/bio.h>
#include <openssl/buffer.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>
#include <stdexcept>

#include "openssl_handles.h"

namespace updater {
namespace {

Pkey PrivateKeyOf(const SigningKey::Seed& seed) {
  return Pkey(EVP_PKEY_new_raw_private_key(EVP_PKEY_ED25519, nullptr, seed.data(), seed.size()));
}

std::string PemOf(EVP_PKEY* key, bool privateHalf) {
  Bio bio(BIO_new(BIO_s_mem()));
  const int written =
      privateHalf ? PEM_write_bio_PrivateKey(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr)
                  : PEM_write_bio_PUBKEY(bio.get(), key);
  BUF_MEM* memory = nullptr;
  if (written != 1 || BIO_get_mem_ptr(bio.get(), &memory) != 1) {
    throw std::runtime_error("cannot write a key as PEM");
  }
  return std::string(memory->data, memory->length);
}

}  // namespace

SigningKey SigningKey::Generate() {
  Pkey key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
  Seed seed{};
  std::size_t length = seed.size();
  if (!key || EVP_PKEY_get_raw_private_key(key.get(), seed.data(), &length) != 1) {
    throw std::runtime_error("cannot make an Ed25519 key");
  }
  return SigningKey(seed);
}

std::optional<SigningKey> SigningKey::FromPem(std::string_view pem) {
  Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
  Pkey key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr);
  Seed seed{};
  std::size_t length = seed.size();
  if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519 ||
      EVP_PKEY_get_raw_private_key(key.get(), seed.data(), &length) != 1 || length != seed.size()) {
    return std::nullopt;
  }
  return SigningKey(seed);
}

PublicKey SigningKey::Public() const {
  Pkey key = PrivateKeyOf(seed_);
  PublicKey::Bytes raw{};
  std::size_t length = raw.size();
  if (!key || EVP_PKEY_get_raw_public_key(key.get(), raw.data(), &length) != 1) {
    throw std::runtime_error("cannot derive an Ed25519 public key");
  }
  return PublicKey(raw);
}

std::string SigningKey::PublicPem() const { return PemOf(PrivateKeyOf(seed_).get(), false); }

std::string SigningKey::PrivatePem() const { return PemOf(PrivateKeyOf(seed_).get(), true); }

std::string SigningKey::Sign(std::string_view message) const {
  Pkey key = PrivateKeyOf(seed_);
  MdCtx context(EVP_MD_CTX_new());
  std::string signature(kSignatureSize, '\0');
  std::size_t length = signature.size();
  if (!key || !context ||
      EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
      EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                     reinterpret_cast<const unsigned char*>(message.data()), message.size()) != 1 ||
      length != kSignatureSize) {
    throw std::runtime_error("cannot sign with an Ed25519 key");
  }
  return signature;
}

}  // namespace updater
