#include "smbios_table.h"

namespace sysinfo {
namespace {

constexpr std::size_t kHeaderLength = 4;
constexpr std::uint8_t kEndOfTable = 127;

}  // namespace

std::optional<std::uint8_t> SmbiosStructure::Byte(std::size_t offset) const {
  if (offset >= formatted.size()) {
    return std::nullopt;
  }
  return formatted[offset];
}

std::optional<std::uint16_t> SmbiosStructure::Word(std::size_t offset) const {
  if (formatted.size() < 2 || offset > formatted.size() - 2) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(formatted[offset] | formatted[offset + 1] << 8);
}

std::optional<std::uint32_t> SmbiosStructure::Dword(std::size_t offset) const {
  if (formatted.size() < 4 || offset > formatted.size() - 4) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(formatted[offset]) |
         static_cast<std::uint32_t>(formatted[offset + 1]) << 8 |
         static_cast<std::uint32_t>(formatted[offset + 2]) << 16 |
         static_cast<std::uint32_t>(formatted[offset + 3]) << 24;
}

std::optional<std::string> SmbiosStructure::String(std::size_t offset) const {
  const std::uint8_t number = Byte(offset).value_or(0);
  if (number == 0) {
    return std::string();
  }
  if (number > strings.size()) {
    return std::nullopt;
  }
  return strings[number - 1];
}

std::vector<SmbiosStructure> ParseSmbiosTable(std::string_view bytes) {
  std::vector<SmbiosStructure> structures;
  std::size_t at = 0;
  while (bytes.size() - at >= kHeaderLength) {
    const auto length = static_cast<std::uint8_t>(bytes[at + 1]);
    if (length < kHeaderLength || length > bytes.size() - at) {
      break;
    }
    SmbiosStructure structure;
    structure.type = static_cast<std::uint8_t>(bytes[at]);
    structure.handle = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at + 2]) |
                                                  static_cast<std::uint8_t>(bytes[at + 3]) << 8);
    structure.formatted.assign(bytes.begin() + at, bytes.begin() + at + length);

    // The strings follow, each ended by a NUL, the set ended by an empty string; a structure
    // without strings has two NULs.
    const std::size_t strings = at + length;
    const std::size_t end = bytes.find(std::string_view("\0\0", 2), strings);
    if (end == std::string_view::npos) {
      break;
    }
    std::string_view set = bytes.substr(strings, end - strings);
    while (!set.empty()) {
      const std::size_t nul = set.find('\0');
      structure.strings.emplace_back(set.substr(0, nul));
      set.remove_prefix(nul == std::string_view::npos ? set.size() : nul + 1);
    }
    at = end + 2;
    const bool last = structure.type == kEndOfTable;
    structures.push_back(std::move(structure));
    if (last) {
      break;
    }
  }
  return structures;
}

}  // namespace sysinfo
