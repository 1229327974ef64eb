#include "hex_text.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using namespace startup;

std::optional<std::vector<unsigned char>> Decode(std::vector<const char*> chunks) {
  return DecodeHexText(HexText{chunks.data(), chunks.size()});
}

TEST(HexText, BytesTakeTwoCharactersWithSingleDigitsPaddedOnTheRight) {
  const std::vector<unsigned char> header{0x4D, 0x5A, 0x90, 0x00, 0x03, 0x00, 0x00, 0x00, 0x04,
                                          0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xB8};
  const std::vector<std::string> chunks = EncodeHexText(header);
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(chunks[0], "4D5A900 3 0 0 0 4 0 0 0 FFFF0 0 B8");
  EXPECT_EQ(EncodeHexText({0x0F, 0x10, 0xAB})[0], "F 10AB");
}

TEST(HexText, ChunksHold240BytesAndTheLastTheRest) {
  const struct {
    std::size_t bytes;
    std::vector<std::size_t> lengths;
  } cases[] = {
      {0, {}}, {1, {2}}, {240, {480}}, {241, {480, 2}}, {82944, std::vector<std::size_t>(346, 480)},
  };
  for (const auto& c : cases) {
    std::vector<std::size_t> lengths;
    for (const std::string& chunk : EncodeHexText(std::vector<unsigned char>(c.bytes, 0x41))) {
      lengths.push_back(chunk.size());
    }
    std::vector<std::size_t> expected = c.lengths;
    if (c.bytes == 82944) {
      expected.back() = 288;  // the engine's 346 chunks end in 288 characters
    }
    EXPECT_EQ(lengths, expected) << c.bytes << " bytes";
  }
}

TEST(HexText, EveryByteValueSurvivesTheRoundTrip) {
  std::vector<unsigned char> bytes(3 * 256 + 7);
  std::iota(bytes.begin(), bytes.end(), 0);
  const std::vector<std::string> chunks = EncodeHexText(bytes);
  std::vector<const char*> pointers;
  for (const std::string& chunk : chunks) pointers.push_back(chunk.c_str());
  EXPECT_EQ(Decode(pointers), bytes);
}

TEST(HexText, MalformedPairsAreRefused) {
  for (const char* chunk : {"0A", " A", "4d", "4D5", "G ", "  ", "4\t", "00"}) {
    EXPECT_EQ(Decode({"4D", chunk}), std::nullopt) << '"' << chunk << '"';
  }
  EXPECT_EQ(Decode({"4D", "0 "}), (std::vector<unsigned char>{0x4D, 0x00}));
}

}  // namespace
