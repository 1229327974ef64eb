#include "profile_encoding.h"

#include <cstdint>

namespace settings {
namespace {

constexpr std::string_view kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr std::string_view kUtf16LEMark("\xFF\xFE", 2);
constexpr std::string_view kUtf16BEMark("\xFE\xFF", 2);

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) {
    return std::nullopt;
  }
  const auto unit = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<std::uint32_t>(bigEndian ? first << 8 | second : second << 8 | first);
  };
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    std::uint32_t c = unit(i);
    if (c >= 0xDC00 && c <= 0xDFFF) {
      return std::nullopt;
    }
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 2 >= bytes.size()) {
        return std::nullopt;
      }
      const std::uint32_t low = unit(i + 2);
      if (low < 0xDC00 || low > 0xDFFF) {
        return std::nullopt;
      }
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    AppendUtf8(out, c);
  }
  return out;
}

// The code point of the UTF-8 sequence at `text[i]`, advancing `i`; nothing for bytes that are not
// a shortest-form sequence of a Unicode scalar value.
std::optional<std::uint32_t> NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  std::uint32_t c = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (i + length > text.size()) {
    return std::nullopt;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) {
      return std::nullopt;
    }
    c = c << 6 | (next & 0x3F);
  }
  const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    return std::nullopt;
  }
  i += length;
  return c;
}

std::optional<std::string> Utf8ToUtf16(std::string_view text, bool bigEndian) {
  std::string out;
  const auto put = [&](std::uint32_t unit) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (std::size_t i = 0; i < text.size();) {
    const std::optional<std::uint32_t> c = NextCodePoint(text, i);
    if (!c) {
      return std::nullopt;
    }
    if (*c >= 0x10000) {
      put(0xD800 + ((*c - 0x10000) >> 10));
      put(0xDC00 + ((*c - 0x10000) & 0x3FF));
    } else {
      put(*c);
    }
  }
  return out;
}

}  // namespace

std::optional<ProfileText> DecodeProfile(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Mark)) {
    return ProfileText{ProfileEncoding::Utf8WithMark, std::string(bytes.substr(kUtf8Mark.size()))};
  }
  const bool littleEndian = StartsWith(bytes, kUtf16LEMark);
  if (littleEndian || StartsWith(bytes, kUtf16BEMark)) {
    std::optional<std::string> text = Utf16ToUtf8(bytes.substr(2), !littleEndian);
    if (!text) {
      return std::nullopt;
    }
    return ProfileText{littleEndian ? ProfileEncoding::Utf16LE : ProfileEncoding::Utf16BE,
                       std::move(*text)};
  }
  return ProfileText{ProfileEncoding::Plain, std::string(bytes)};
}

std::optional<std::string> EncodeProfile(const ProfileText& profile) {
  switch (profile.encoding) {
    case ProfileEncoding::Plain:
      return profile.text;
    case ProfileEncoding::Utf8WithMark:
      return std::string(kUtf8Mark) + profile.text;
    case ProfileEncoding::Utf16LE:
    case ProfileEncoding::Utf16BE: {
      const bool bigEndian = profile.encoding == ProfileEncoding::Utf16BE;
      std::optional<std::string> units = Utf8ToUtf16(profile.text, bigEndian);
      if (!units) {
        return std::nullopt;
      }
      return std::string(bigEndian ? kUtf16BEMark : kUtf16LEMark) + *units;
    }
  }
  return std::nullopt;
}

}  // namespace settings
