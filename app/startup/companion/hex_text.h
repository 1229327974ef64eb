#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace startup {

// The hex text in which the program carries its companion files: every byte is two characters,
// its value in upper-case hexadecimal without leading zero and a single digit padded with a blank
// on the right ("4D", "3 ", "0 "); chunks of 480 characters (240 bytes), the last one shorter.

constexpr std::size_t kHexChunkLength = 480;

struct HexText {
  const char* const* chunks;
  std::size_t count;
};

std::vector<std::string> EncodeHexText(const std::vector<unsigned char>& bytes);

// The bytes of the chunks in order; nothing when a chunk has an odd length or a pair that is not
// a byte in the carried form.
std::optional<std::vector<unsigned char>> DecodeHexText(const HexText& text);

}  // namespace startup
