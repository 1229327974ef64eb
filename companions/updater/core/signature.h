#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace updater {

constexpr std::size_t kPublicKeySize = 32;
constexpr std::size_t kSignatureSize = 64;

// An Ed25519 public key: the holder of its private half is whom a signature check trusts.
class PublicKey {
 public:
  using Bytes = std::array<unsigned char, kPublicKeySize>;

  explicit PublicKey(const Bytes& raw) : raw_(raw) {}

  // The key of a PEM "PUBLIC KEY" block; nothing when the text holds no Ed25519 public key.
  static std::optional<PublicKey> FromPem(std::string_view pem);

  const Bytes& raw() const { return raw_; }

 private:
  Bytes raw_;
};

// Whether `signature` (64 bytes) is the Ed25519 signature of all of `message` made with the private
// half of `key`.
bool VerifySignature(const PublicKey& key, std::string_view message, std::string_view signature);

}  // namespace updater
