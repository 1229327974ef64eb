#include "hex_text.h"

#include <cstring>

namespace startup {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(char c) {
  const char* found = c == '\0' ? nullptr : std::strchr(kDigits, c);
  return found ? static_cast<int>(found - kDigits) : -1;
}

// A pair is two upper-case digits without a leading zero, or one digit and a blank.
int PairValue(char first, char second) {
  const int high = DigitValue(first);
  if (high < 0) {
    return -1;
  }
  if (second == ' ') {
    return high;
  }
  const int low = DigitValue(second);
  return low < 0 || high == 0 ? -1 : high * 16 + low;
}

}  // namespace

std::vector<std::string> EncodeHexText(const std::vector<unsigned char>& bytes) {
  std::vector<std::string> chunks;
  std::string chunk;
  for (unsigned char byte : bytes) {
    if (byte < 16) {
      chunk += kDigits[byte];
      chunk += ' ';
    } else {
      chunk += kDigits[byte >> 4];
      chunk += kDigits[byte & 15];
    }
    if (chunk.size() == kHexChunkLength) {
      chunks.push_back(std::move(chunk));
      chunk.clear();
    }
  }
  if (!chunk.empty()) {
    chunks.push_back(std::move(chunk));
  }
  return chunks;
}

std::optional<std::vector<unsigned char>> DecodeHexText(const HexText& text) {
  std::vector<unsigned char> bytes;
  for (std::size_t i = 0; i < text.count; ++i) {
    const char* chunk = text.chunks[i];
    const std::size_t length = std::strlen(chunk);
    if (length % 2 != 0) {
      return std::nullopt;
    }
    for (std::size_t at = 0; at < length; at += 2) {
      const int value = PairValue(chunk[at], chunk[at + 1]);
      if (value < 0) {
        return std::nullopt;
      }
      bytes.push_back(static_cast<unsigned char>(value));
    }
  }
  return bytes;
}

}  // namespace startup
