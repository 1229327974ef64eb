#include "signature.h"

#include <gtest/gtest.h>

#include "digest.h"
#include "maker_key.h"
#include "signing_key.h"

namespace {

TEST(Signature, AcceptsOnlyTheSignersSignatureOfTheWholeMessage) {
  const updater::SigningKey maker = updater::SigningKey::Generate();
  const updater::SigningKey other = updater::SigningKey::Generate();
  const std::string message = "package bytes\n" + std::string(1000, '\0');
  const std::string signature = maker.Sign(message);

  EXPECT_TRUE(updater::VerifySignature(maker.Public(), message, signature));
  EXPECT_FALSE(updater::VerifySignature(other.Public(), message, signature));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message, other.Sign(message)));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message + "x", signature));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message.substr(1), signature));
  std::string flipped = signature;
  flipped[10] ^= 1;
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message, flipped));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message, signature.substr(0, 63)));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message, signature + "x"));
  EXPECT_FALSE(updater::VerifySignature(maker.Public(), message, ""));
}

TEST(Signature, PublicKeyReadsFromPemOnlyForEd25519) {
  const updater::SigningKey key = updater::SigningKey::Generate();
  const std::optional<updater::PublicKey> read = updater::PublicKey::FromPem(key.PublicPem());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->raw(), key.Public().raw());
  EXPECT_FALSE(updater::PublicKey::FromPem(""));
  EXPECT_FALSE(
      updater::PublicKey::FromPem("-----BEGIN PUBLIC KEY-----\nAAAA\n-----END PUBLIC KEY-----\n"));
  // Real keys of other kinds: RSA, and X25519, whose keys are as long as Ed25519's.
  EXPECT_FALSE(updater::PublicKey::FromPem(
      "-----BEGIN PUBLIC KEY-----\n"
      "MFwwDQYJKoZIhvcNAQEBBQADSwAwSAJBAMBb1BOUIdRokHhDPWHPUPhWrKaT/YUN\n"
      "QiRBeY6vqknZiu2z+JV/j1d6F4yxZHTycfK4UOeCAgs0kBvRUz/BCjsCAwEAAQ==\n"
      "-----END PUBLIC KEY-----\n"));
  EXPECT_FALSE(
      updater::PublicKey::FromPem("-----BEGIN PUBLIC KEY-----\n"
                                  "MCowBQYDK2VuAyEAmccrxhnIBPReS54Nxo4uq5TW1UCk5WgP2jjVGNpcBD8=\n"
                                  "-----END PUBLIC KEY-----\n"));
}

TEST(Signature, PrivateKeyRoundTripsThroughPem) {
  const updater::SigningKey key = updater::SigningKey::Generate();
  const std::optional<updater::SigningKey> read = updater::SigningKey::FromPem(key.PrivatePem());
  ASSERT_TRUE(read);
  EXPECT_TRUE(updater::VerifySignature(key.Public(), "m", read->Sign("m")));
  EXPECT_FALSE(updater::SigningKey::FromPem(key.PublicPem()));
}

TEST(Signature, BuiltInMakerKeyIsNoKeyATestMakes) {
  const updater::SigningKey test = updater::SigningKey::Generate();
  EXPECT_NE(updater::MakerKey().raw(), test.Public().raw());
  EXPECT_FALSE(updater::VerifySignature(updater::MakerKey(), "m", test.Sign("m")));
}

TEST(Digest, Sha256OfKnownTexts) {
  EXPECT_EQ(updater::Sha256Hex(""),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(updater::Sha256Hex("abc"),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

}  // namespace
