#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sysinfo {

// One structure of an SMBIOS table: the formatted area, header included, and the strings after it.
struct SmbiosStructure {
  std::uint8_t type = 0;
  std::uint16_t handle = 0;
  std::vector<std::uint8_t> formatted;
  std::vector<std::string> strings;  // string number n is strings[n - 1]

  // Little-endian fields of the formatted area; nothing when the structure is too short to hold
  // the field (an older version of the structure).
  std::optional<std::uint8_t> Byte(std::size_t offset) const;
  std::optional<std::uint16_t> Word(std::size_t offset) const;
  std::optional<std::uint32_t> Dword(std::size_t offset) const;

  // The string the byte field at `offset` numbers: empty for number 0 or a structure too short to
  // hold the field; nothing when the number lies beyond the structure's strings (a damaged table).
  std::optional<std::string> String(std::size_t offset) const;
};

// The structures of a raw table, as the firmware lays them out (the file
// /sys/firmware/dmi/tables/DMI), up to the end-of-table structure or the end of the bytes. A
// damaged table never leads to a read outside the bytes: a structure whose header is too short,
// whose formatted area runs past the end, or whose strings lack their terminating empty string
// cannot be delimited, so it and everything after it are left out.
std::vector<SmbiosStructure> ParseSmbiosTable(std::string_view bytes);

}  // namespace sysinfo
