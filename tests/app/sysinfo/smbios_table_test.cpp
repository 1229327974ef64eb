// Raw SMBIOS tables assembled here, sound and damaged.

#include "smbios_table.h"

#include <gtest/gtest.h>

#include "smbios_builder.h"

namespace {

using namespace std::string_literals;

using sysinfo::ParseSmbiosTable;
using sysinfo::SmbiosStructure;

TEST(SmbiosTable, StructuresInOrderUpToTheEndOfTable) {
  SmbiosBuilder table;
  table.Processor("CPU0", "AMD Phenom(tm) II X4 955 Processor", 3200)
      .Add(0, {1, 2, 3}, {})
      .Memory({"A1_DIMM0", "BANK 0", 4096, 1333})
      .End()
      .Memory({"after the end", "", 4096, 1333});
  const std::vector<SmbiosStructure> structures = ParseSmbiosTable(table.Bytes());
  ASSERT_EQ(structures.size(), 4u);
  EXPECT_EQ(structures[0].type, 4);
  EXPECT_EQ(structures[0].handle, 0x1000);
  EXPECT_EQ(structures[0].strings,
            (std::vector<std::string>{"CPU0", "AMD Phenom(tm) II X4 955 Processor"}));
  EXPECT_EQ(structures[1].type, 0);
  EXPECT_EQ(structures[1].formatted, (std::vector<std::uint8_t>{0, 7, 0x01, 0x10, 1, 2, 3}));
  EXPECT_TRUE(structures[1].strings.empty());
  EXPECT_EQ(structures[2].type, 17);
  EXPECT_EQ(structures[2].handle, 0x1002);
  EXPECT_EQ(structures[3].type, 127);
}

TEST(SmbiosTable, FieldsOnlyWithinTheFormattedArea) {
  SmbiosBuilder table;
  table.Add(17, {0x11, 0x22, 0x33, 0x44, 2, 1}, {"first", "second"});
  const SmbiosStructure structure = ParseSmbiosTable(table.Bytes()).at(0);
  ASSERT_EQ(structure.formatted.size(), 10u);
  EXPECT_EQ(structure.Byte(4), 0x11);
  EXPECT_EQ(structure.Word(4), 0x2211);
  EXPECT_EQ(structure.Dword(4), 0x44332211u);
  EXPECT_EQ(structure.Word(8), 0x0102);
  EXPECT_EQ(structure.Byte(10), std::nullopt);
  EXPECT_EQ(structure.Word(9), std::nullopt);
  EXPECT_EQ(structure.Dword(7), std::nullopt);
  EXPECT_EQ(structure.Dword(SIZE_MAX - 1), std::nullopt);
  EXPECT_EQ(structure.String(8), "second");
  EXPECT_EQ(structure.String(9), "first");
  EXPECT_EQ(structure.String(40), "");  // beyond the area: an older layout without the field
  EXPECT_EQ(structure.String(0), std::nullopt);  // 17 names a string the structure lacks
}

TEST(SmbiosTable, DamagedTablesStopWhereAStructureCannotBeDelimited) {
  SmbiosBuilder good;
  good.Memory({"A1_DIMM0", "BANK 0", 4096, 1333});
  const std::string first = good.Bytes();
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"length past the end", first + std::string("\x11\xF0\x00\x10", 4) + std::string(20, 'x')},
      {"strings without terminators", first + std::string("\x7F\x04\x00\x10", 4) + "DIMM0"},
      {"strings ended by a single NUL", first + std::string("\x7F\x04\x00\x10", 4) + "DIMM0\0"s},
      {"header shorter than four bytes", first + std::string("\x11\x03\x00\x10\x00\x00", 6)},
      {"header cut off", first + std::string("\x11\x28", 2)},
      {"nothing after the formatted area", first + std::string("\x7F\x04\x00\x10", 4)},
      {"no end-of-table structure", first},
  };
  for (const auto& c : cases) {
    const std::vector<SmbiosStructure> structures = ParseSmbiosTable(c.bytes);
    ASSERT_EQ(structures.size(), 1u) << c.name;
    EXPECT_EQ(structures[0].strings, (std::vector<std::string>{"A1_DIMM0", "BANK 0"})) << c.name;
  }
  EXPECT_TRUE(ParseSmbiosTable("").empty());
  EXPECT_TRUE(ParseSmbiosTable(std::string(64, '\0')).empty());
}

}  // namespace
