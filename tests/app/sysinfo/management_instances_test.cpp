// The management service's instances from SMBIOS tables assembled here.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "dmi_tables.h"
#include "sandbox.h"
#include "smbios_builder.h"
#include "win32_physical_memory.h"
#include "win32_processor.h"

namespace {

using sysinfo::Win32_PhysicalMemory;
using sysinfo::Win32_Processor;

constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr std::uint64_t kGiB = 1024 * kMiB;

std::vector<Win32_PhysicalMemory> MemoryOf(const SmbiosBuilder& table) {
  return sysinfo::Win32_PhysicalMemoryInstances(sysinfo::ParseSmbiosTable(table.Bytes()));
}

TEST(Win32PhysicalMemory, OneInstancePerDeviceWithItsSizeSpeedAndLocators) {
  using Device = SmbiosBuilder::MemoryDevice;
  const struct {
    const char* name;
    Device device;
    std::optional<std::uint64_t> capacity;
    std::optional<std::uint32_t> speed;
  } cases[] = {
      {"megabytes", {"A1_DIMM0", "BANK 0", 4096, 1333}, 4 * kGiB, 1333},
      {"kilobytes", {"A1_DIMM1", "BANK 1", 0x8000 | 512, 66}, 512 * 1024, 66},
      {"empty slot", {"A2_DIMM0", "BANK 2", 0, 0}, std::nullopt, std::nullopt},
      {"unknown size", {"A2_DIMM1", "BANK 3", 0xFFFF, 800}, std::nullopt, 800},
      {"extended size", {"DIMM_A1", "P0 CHANNEL A", 0x7FFF, 3200, 65536, 0, 0x22}, 64 * kGiB, 3200},
      {"extended size without the field",
       {"DIMM_B1", "", 0x7FFF, 0, 65536, 0, 0x1B},
       32767 * kMiB,
       std::nullopt},
      {"extended speed", {"DIMM_C1", "", 16384, 0xFFFF, 0, 8400, 0x5C}, 16 * kGiB, 8400},
      {"extended speed without the field",
       {"DIMM_D1", "", 16384, 0xFFFF, 0, 0, 0x28},
       16 * kGiB,
       std::nullopt},
      {"first layout", {"J1", "", 256, 0, 0, 0, 0x15}, 256 * kMiB, std::nullopt},
  };
  for (const auto& c : cases) {
    SmbiosBuilder table;
    table.Memory(c.device).End();
    const std::vector<Win32_PhysicalMemory> instances = MemoryOf(table);
    ASSERT_EQ(instances.size(), 1u) << c.name;
    EXPECT_EQ(instances[0].DeviceLocator, c.device.locator) << c.name;
    EXPECT_EQ(instances[0].BankLabel, c.device.bank) << c.name;
    EXPECT_EQ(instances[0].Capacity, c.capacity) << c.name;
    EXPECT_EQ(instances[0].Speed, c.speed) << c.name;
  }
}

TEST(Win32PhysicalMemory, DamagedStructuresAreLeftOut) {
  SmbiosBuilder table;
  std::vector<std::uint8_t> tooShort(0x14 - 4, 0);
  std::vector<std::uint8_t> badString(0x28 - 4, 0);
  badString[0x0C - 4] = 0x00;
  badString[0x0D - 4] = 0x10;  // 4096 MB
  badString[0x10 - 4] = 1;
  badString[0x11 - 4] = 3;  // the bank's string is missing
  table.Memory({"A1", "BANK 0", 2048, 800})
      .Add(17, tooShort, {"A2"})
      .Add(17, badString, {"A3", "BANK 2"})
      .Add(4, {}, {})  // a processor structure shorter than any layout
      .Memory({"A4", "BANK 3", 2048, 800})
      .End();
  const std::vector<Win32_PhysicalMemory> instances = MemoryOf(table);
  ASSERT_EQ(instances.size(), 2u);
  EXPECT_EQ(instances[0].DeviceLocator, "A1");
  EXPECT_EQ(instances[1].DeviceLocator, "A4");
}

TEST(Win32Processor, PopulatedSocketsWithTheirNameClockAndSocket) {
  SmbiosBuilder table;
  table
      .Processor("CPU 1", "", 0, 0x00)  // an empty socket
      .Processor("AM3", "  AMD Phenom(tm) II X4 955 Processor  ", 3200)
      .Processor("CPU 2", "", 0)
      .Processor("", "Intel(R) Xeon(R) CPU", 2400, 0x41)
      .End();
  const sysinfo::ProcessorFallbacks fallbacks{"AMD EPYC", 3600};
  const std::vector<Win32_Processor> instances =
      sysinfo::Win32_ProcessorInstances(sysinfo::ParseSmbiosTable(table.Bytes()), fallbacks);
  ASSERT_EQ(instances.size(), 3u);
  EXPECT_EQ(instances[0].Name, "AMD Phenom(tm) II X4 955 Processor");
  EXPECT_EQ(instances[0].MaxClockSpeed, 3200u);
  EXPECT_EQ(instances[0].SocketDesignation, "AM3");
  // Neither a version string nor a maximum speed: the kernel's name and cpufreq maximum.
  EXPECT_EQ(instances[1].Name, "AMD EPYC");
  EXPECT_EQ(instances[1].MaxClockSpeed, 3600u);
  EXPECT_EQ(instances[1].SocketDesignation, "CPU 2");
  EXPECT_EQ(instances[2].Name, "Intel(R) Xeon(R) CPU");
  EXPECT_EQ(instances[2].SocketDesignation, "");

  SmbiosBuilder damaged;
  std::vector<std::uint8_t> badString(0x1A - 4, 0);
  badString[0x04 - 4] = 1;
  badString[0x10 - 4] = 2;  // one string only
  badString[0x18 - 4] = 0x41;
  damaged.Add(4, badString, {"CPU0"}).End();
  EXPECT_TRUE(
      sysinfo::Win32_ProcessorInstances(sysinfo::ParseSmbiosTable(damaged.Bytes()), fallbacks)
          .empty());
}

TEST(Win32Processor, KernelFallbacks) {
  EXPECT_EQ(sysinfo::CpuInfoModelName("processor\t: 0\nvendor_id\t: AuthenticAMD\n"
                                      "model name\t: AMD EPYC 9654 96-Core Processor  \n"
                                      "processor\t: 1\nmodel name\t: other\n"),
            "AMD EPYC 9654 96-Core Processor");
  EXPECT_EQ(sysinfo::CpuInfoModelName("processor\t: 0\nCPU implementer\t: 0x41\n"), "");
  EXPECT_EQ(sysinfo::CpufreqMegahertz("3600000\n"), 3600u);
  EXPECT_EQ(sysinfo::CpufreqMegahertz("2899999\n"), 2900u);
  EXPECT_EQ(sysinfo::CpufreqMegahertz("0\n"), std::nullopt);
  EXPECT_EQ(sysinfo::CpufreqMegahertz(""), std::nullopt);
  EXPECT_EQ(sysinfo::CpufreqMegahertz("fast\n"), std::nullopt);
}

TEST(DmiTables, ReadFromTheFileTheEnvironmentNames) {
  Sandbox sandbox;
  SmbiosBuilder table;
  table.Processor("AM3", "AMD Phenom(tm) II X4 955 Processor", 3200)
      .Memory({"A1_DIMM0", "BANK 0", 4096, 1333})
      .Memory({"A1_DIMM1", "BANK 1", 0, 0})
      .End();
  WriteFile(sandbox / "DMI", table.Bytes());
  ::mkdir((sandbox / "folder").c_str(), 0700);

  {
    ScopedEnvironment unset("VANTORA_DMI_TABLES", std::nullopt);
    EXPECT_EQ(sysinfo::DmiTablesPath(), "/sys/firmware/dmi/tables/DMI");
  }
  {
    ScopedEnvironment saved("VANTORA_DMI_TABLES", sandbox / "DMI");
    EXPECT_EQ(sysinfo::DmiTablesPath(), sandbox / "DMI");
    EXPECT_EQ(sysinfo::QueryWin32_PhysicalMemory().size(), 2u);
    const std::vector<Win32_Processor> processors = sysinfo::QueryWin32_Processor();
    ASSERT_EQ(processors.size(), 1u);
    EXPECT_EQ(processors[0].Name, "AMD Phenom(tm) II X4 955 Processor");
  }
  // Missing or unreadable tables (a virtual machine, a user without rights) have no modules; the
  // processor is the one the kernel names, without a socket.
  const std::string kernelsName = sysinfo::SystemProcessorFallbacks().name;
  for (const std::string& path : {sandbox / "missing", sandbox / "folder"}) {
    ScopedEnvironment unreadable("VANTORA_DMI_TABLES", path);
    EXPECT_TRUE(sysinfo::QueryWin32_PhysicalMemory().empty()) << path;
    const std::vector<Win32_Processor> processors = sysinfo::QueryWin32_Processor();
    ASSERT_EQ(processors.size(), kernelsName.empty() ? 0u : 1u) << path;
    if (!processors.empty()) {
      EXPECT_EQ(processors[0].Name, kernelsName);
      EXPECT_EQ(processors[0].SocketDesignation, "");
    }
  }
}

}  // namespace
