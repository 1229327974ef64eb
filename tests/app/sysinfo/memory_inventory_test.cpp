// getmem over SMBIOS tables assembled here: slot texts, counts and what Data.dat holds.

#include "memory_inventory.h"

#include "smbios_builder.h"
#include "sysinfo_fixture.h"

namespace {

using Device = SmbiosBuilder::MemoryDevice;
using sysinfo::Win32_PhysicalMemory;

class MemoryInventoryTest : public SysinfoFixture {
 protected:
  void Tables(const std::vector<Device>& devices) {
    SmbiosBuilder table;
    for (const Device& device : devices) {
      table.Memory(device);
    }
    WriteFile(DmiFile(), table.End().Bytes());
  }
  std::string DataText() { return ReadFile(DataFile()); }
};

TEST(SlotDescription, SizesInUnitsOfOneMillionAndTwentyFourThousandBytes) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QLocale german(QLocale::German, QLocale::Germany);
  const struct {
    std::optional<std::uint64_t> capacity;
    const QLocale& locale;
    const char* text;
  } cases[] = {
      {4294967296u, english, "Slot 3   4 GB  Speed: 1333 Mhz   (BANK 2)"},
      {536870912u, english, "Slot 3   524 MB  Speed: 1333 Mhz   (BANK 2)"},
      {17179869184u, english, "Slot 3   17 GB  Speed: 1333 Mhz   (BANK 2)"},
      {1024000000u, english, "Slot 3   1,000 MB  Speed: 1333 Mhz   (BANK 2)"},
      {1024000000u, german, "Slot 3   1.000 MB  Speed: 1333 Mhz   (BANK 2)"},
      {1024512000u, english, "Slot 3   1 GB  Speed: 1333 Mhz   (BANK 2)"},  // 1000.5 units
      {1024511999u, english, "Slot 3   1,000 MB  Speed: 1333 Mhz   (BANK 2)"},
      {1024000000000u, english, "Slot 3   1,000 GB  Speed: 1333 Mhz   (BANK 2)"},
      {512000u, english, "Slot 3   1 MB  Speed: 1333 Mhz   (BANK 2)"},
      {511999u, english, "Slot 3   Empty     (BANK 2)"},
      {0u, english, "Slot 3   Empty     (BANK 2)"},
      {std::nullopt, english, "Slot 3   Empty     (BANK 2)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sysinfo::SlotDescription(3, Win32_PhysicalMemory{"A2", c.capacity, 1333, "BANK 2"},
                                       c.locale),
              c.text)
        << c.capacity.value_or(0);
  }
  EXPECT_EQ(sysinfo::SlotDescription(1, Win32_PhysicalMemory{"A0", 4294967296u, {}, ""}, english),
            "Slot 1   4 GB  Speed:  Mhz   ()");
}

TEST_F(MemoryInventoryTest, TwoModulesInSlotsOfTheFirstLocators) {
  Tables({{"A1_DIMM0", "BANK 0", 4096, 1333}, {"A1_DIMM1", "BANK 1", 4096, 1333}});
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "2");
  EXPECT_EQ(state.ModuleCount, "2");
  EXPECT_EQ(state.SlotText[0], "Slot 1   4 GB  Speed: 1333 Mhz   (BANK 0)");
  EXPECT_EQ(state.SlotText[1], "Slot 2   4 GB  Speed: 1333 Mhz   (BANK 1)");
  EXPECT_EQ(state.SlotText[2], "");
  EXPECT_EQ(DataText(),
            "[Memory]\r\nSlots=2\r\nSimms=2\r\n"
            "Slot1=Slot 1   4 GB  Speed: 1333 Mhz   (BANK 0)\r\n"
            "Slot2=Slot 2   4 GB  Speed: 1333 Mhz   (BANK 1)\r\n");
}

TEST_F(MemoryInventoryTest, GatheringAgainCountsModulesWhoseTextsAreKept) {
  Tables({{"A1_DIMM0", "BANK 0", 4096, 1333}, {"A1_DIMM1", "BANK 1", 4096, 1333}});
  // The texts of an earlier gathering, as start-up loads them from Data.dat.
  state.SlotText[0] = "Slot 1   2 GB  Speed: 800 Mhz   (BANK 0)";
  state.SlotText[1] = "Slot 2   4 GB  Speed: 1333 Mhz   (BANK 1)";
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "2");
  EXPECT_EQ(state.ModuleCount, "2");
  EXPECT_EQ(state.SlotText[0], "Slot 1   2 GB  Speed: 800 Mhz   (BANK 0)");
  EXPECT_EQ(Stored("Memory", "Simms"), "2");
  EXPECT_EQ(Stored("Memory", "Slot1"), "Slot 1   2 GB  Speed: 800 Mhz   (BANK 0)");
}

TEST_F(MemoryInventoryTest, OnlyLocatorsBeginningWithCapitalADescribeTheirSlot) {
  Tables({{"DIMM0", "BANK 0", 4096, 1333},
          {"a1", "BANK 1", 4096, 1333},
          {"A2", "BANK 2", 0, 0},
          {"A3", "BANK 3", 977, 667},
          {"A4", "BANK 4", 978, 667},
          {"A5", "BANK 5", 0x7FFF, 3200, 65536, 0, 0x22}});
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "6");
  EXPECT_EQ(state.ModuleCount, "3");
  const std::array<std::string, 12> expected = {
      "",
      "",
      "Slot 3   Empty     (BANK 2)",
      "Slot 4   1,000 MB  Speed: 667 Mhz   (BANK 3)",  // 977 MB: 1000.45 units
      "Slot 5   1 GB  Speed: 667 Mhz   (BANK 4)",      // 978 MB: 1001.47 units
      "Slot 6   67 GB  Speed: 3200 Mhz   (BANK 5)",
  };
  EXPECT_EQ(state.SlotText, expected);
  EXPECT_EQ(DataText(),
            "[Memory]\r\nSlots=6\r\nSimms=3\r\nSlot1=\r\nSlot2=\r\n"
            "Slot3=Slot 3   Empty     (BANK 2)\r\n"
            "Slot4=Slot 4   1,000 MB  Speed: 667 Mhz   (BANK 3)\r\n"
            "Slot5=Slot 5   1 GB  Speed: 667 Mhz   (BANK 4)\r\n"
            "Slot6=Slot 6   67 GB  Speed: 3200 Mhz   (BANK 5)\r\n");
}

TEST_F(MemoryInventoryTest, LocatorsWithoutTheLetterAreCountedAsSlotsOnly) {
  Tables({{"DIMM0", "BANK 0", 4096, 1333}, {"DIMM1", "BANK 1", 4096, 1333}});
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "2");
  EXPECT_EQ(state.ModuleCount, "0");
  EXPECT_EQ(state.SlotText, (std::array<std::string, 12>{}));
}

TEST_F(MemoryInventoryTest, ThirteenDevicesFillTwelveTexts) {
  std::vector<Device> devices;
  for (int i = 0; i < 13; ++i) {
    devices.push_back({"A" + std::to_string(i), "BANK " + std::to_string(i), 2048, 1600});
  }
  Tables(devices);
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "13");
  EXPECT_EQ(state.ModuleCount, "13");
  EXPECT_EQ(state.SlotText[11], "Slot 12   2 GB  Speed: 1600 Mhz   (BANK 11)");
  EXPECT_EQ(Stored("Memory", "Slot12"), "Slot 12   2 GB  Speed: 1600 Mhz   (BANK 11)");
  EXPECT_EQ(DataText().find("Slot13"), std::string::npos);
}

TEST_F(MemoryInventoryTest, WithoutTablesNoCountsAreClaimed) {
  state.SlotCount = "2";
  state.ModuleCount = "2";
  state.SlotText[0] = "Slot 1   4 GB  Speed: 1333 Mhz   (BANK 0)";
  ini.WriteIniValue(DataFile(), "Memory", "Slots", "2");
  ini.WriteIniValue(DataFile(), "Memory", "Simms", "2");
  sysinfo::getmem(state, ini, english);
  EXPECT_EQ(state.SlotCount, "");
  EXPECT_EQ(state.ModuleCount, "");
  EXPECT_EQ(state.SlotText[0], "Slot 1   4 GB  Speed: 1333 Mhz   (BANK 0)");
  EXPECT_EQ(DataText(), "[Memory]\r\nSlots=\r\nSimms=\r\n");
}

}  // namespace
