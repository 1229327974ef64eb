#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "signature.h"

namespace updater {

// An Ed25519 private key: what the maker signs with. It stays with the maker; the programs carry
// only the public half.
class SigningKey {
 public:
  using Seed = std::array<unsigned char, 32>;

  // A new random key.
  static SigningKey Generate();

  // The key of a PEM "PRIVATE KEY" block; nothing when the text holds no Ed25519 private key.
  static std::optional<SigningKey> FromPem(std::string_view pem);

  PublicKey Public() const;
  std::string PublicPem() const;
  std::string PrivatePem() const;

  // The 64-byte signature of `message`.
  std::string Sign(std::string_view message) const;

 private:
  explicit SigningKey(const Seed& seed) : seed_(seed) {}

  Seed seed_;
};

}  // namespace updater
