// SysINFO with captured summary tool outputs, stand-in tools and the real tool, over a sandboxed
// temporary folder and WinDir.

#include "system_summary.h"

#include <regex>

#include "file_lookup.h"
#include "smbios_builder.h"
#include "sysinfo_fixture.h"
#include "win32_processor.h"

namespace {

using sysinfo::MousePointer;

class SystemSummaryTest : public SysinfoFixture {
 protected:
  SystemSummaryTest() { ::mkdir(System32().c_str(), 0700); }

  std::string System32() const { return WinDir() + "/System32"; }
  void Run() { sysinfo::SysINFO(state, objDOSB, ini, window, english); }
  void ToolPrints(const std::string& text) {
    WriteProgramPrinting(System32() + "/SystemInfo.exe", text);
  }
  void Tables() {
    SmbiosBuilder table;
    table.Processor("AM3", "AMD Phenom(tm) II X4 955 Processor", 3200)
        .Memory({"A0", "BANK0", 4096, 1333})
        .Memory({"A1", "BANK1", 4096, 1333})
        .End();
    WriteFile(DmiFile(), table.Bytes());
  }
  // `count` lines of the tool's layout, none of them read by the program.
  static std::string OtherLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      text += "Hotfix(s):                 KB" + std::to_string(100000 + i) + "\r\n";
    }
    return text;
  }
};

TEST_F(SystemSummaryTest, WindowsSummaryIsShownKeptReadAndStored) {
  const std::string capture = ReadFile(DataPath("summary-windows.txt"));
  WriteProgram(System32() + "/systeminfo.EXE", DataPath("summary-windows.txt"));
  Tables();
  state.CoreCount = "4";
  Run();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(window.winBox, capture);
  EXPECT_TRUE(window.selectP8);
  EXPECT_EQ(ReadFile(TempFolder() + "/SystemInfo.txt"), capture);
  ASSERT_EQ(window.list1.size(), 20u);
  EXPECT_EQ(window.list1[0], "Host Name:                 WORKSHOP-PC");
  EXPECT_EQ(window.list1[1], "OS Name:                   Microsoft Windows 7 Professional ");
  EXPECT_EQ(window.list1[10],
            "                           [02]: AMD64 Family 16 Model 4 "
            "Stepping 3 AuthenticAMD ~3200 Mhz");

  EXPECT_EQ(state.MemTotal, "8,192");
  EXPECT_EQ(state.MemFree, "5,731");
  EXPECT_EQ(state.ProcCount, "2");
  EXPECT_EQ(state.ProcName, "AMD Phenom(tm) II X4 955 Processor");
  EXPECT_EQ(state.ProcSpeed, "3200 MHz");
  EXPECT_EQ(state.ProcSocket, "AM3");
  EXPECT_EQ(state.SlotCount, "2");
  EXPECT_EQ(state.ModuleCount, "2");
  EXPECT_EQ(ReadFile(DataFile()),
            "[Processor]\r\nName=AMD Phenom(tm) II X4 955 Processor\r\nSpeed=3200 MHz\r\n"
            "Sock=AM3\r\nNumber=2\r\nCores=4\r\n"
            "[Memory]\r\nTotal=8,192\r\nFree=5,731\r\nSlots=2\r\nSimms=2\r\n"
            "Slot1=Slot 1   4 GB  Speed: 1333 Mhz   (BANK0)\r\n"
            "Slot2=Slot 2   4 GB  Speed: 1333 Mhz   (BANK1)\r\n");
  ASSERT_FALSE(window.pointers.empty());
  EXPECT_EQ(window.pointers.front(), MousePointer::Hourglass);
  EXPECT_EQ(window.pointers.back(), MousePointer::Hourglass);
}

// Without readable tables, as on this virtual machine or for a user without rights, the processor
// is the one the kernel names rather than whatever an earlier start stored.
TEST_F(SystemSummaryTest, LinuxSummaryWithoutTablesTakesTheKernelsProcessor) {
  WriteProgram(System32() + "/SystemInfo.exe", DataPath("summary-debian-vm.txt"));
  state.ProcName = "from an earlier start";
  state.ProcSocket = "AM3";
  Run();
  EXPECT_EQ(window.list1.size(), 13u);
  EXPECT_EQ(state.MemTotal, "24105");
  EXPECT_EQ(state.MemFree, "23696");
  EXPECT_EQ(state.ProcCount, "1");
  const std::string kernelsName = sysinfo::SystemProcessorFallbacks().name;
  if (!kernelsName.empty()) {
    EXPECT_EQ(state.ProcName, kernelsName);
    EXPECT_EQ(state.ProcSocket, "");
    EXPECT_EQ(Stored("Processor", "Name"), kernelsName);
  }
  EXPECT_EQ(Stored("Memory", "Total"), "24105");
  EXPECT_EQ(Stored("Memory", "Slots"), "");
  EXPECT_NE(ReadFile(DataFile()).find("Slots="), std::string::npos) << "getmem ran";
}

TEST_F(SystemSummaryTest, ValuesAreCutFromTheirColumns) {
  Tables();
  ToolPrints(OtherLines(8) +
             "Processor(s):              12 Processor(s) Installed.\r\n"
             "Total Physical Memory:     1,000 MB\r\n"
             "total physical memory:     2,000 MB\r\n"
             "Total Physical Memory:      16,384 MB\n"
             "Available Physical Memory: MB\n"
             "Total Physical Memory:    9,999 MB\n");
  state.MemFree = "earlier";
  Run();
  EXPECT_EQ(state.ProcCount, "1");
  EXPECT_EQ(state.MemTotal, " 16,384");  // the last matching line, from its 28th character
  EXPECT_EQ(state.MemFree, "");
  EXPECT_EQ(Stored("Memory", "Total"), "16,384");
}

TEST_F(SystemSummaryTest, FewerThanTenLinesAreShownAndKeptButNotRead) {
  const std::string nine = OtherLines(6) + "\r\n   \r\n" +
                           "Processor(s):              1 Processor(s) Installed.\r\n"
                           "Total Physical Memory:     8,192 MB\r\n"
                           "Available Physical Memory: 5,731 MB\r\n";
  ToolPrints(nine);
  Tables();
  Run();
  EXPECT_EQ(window.winBox, nine);
  EXPECT_TRUE(window.selectP8);
  EXPECT_EQ(ReadFile(TempFolder() + "/SystemInfo.txt"), nine);
  EXPECT_EQ(window.list1.size(), 9u);
  EXPECT_EQ(state.MemTotal, "");
  EXPECT_EQ(state.ProcCount, "");
  EXPECT_EQ(state.ProcName, "");
  EXPECT_EQ(state.SlotCount, "");
  EXPECT_FALSE(platform::FindPath(DataFile())) << "nothing stored, no module inventory";
}

TEST_F(SystemSummaryTest, WithoutTheTotalOnlyTheModuleInventoryIsStored) {
  ToolPrints(OtherLines(10) + "Available Physical Memory: 5,731 MB\r\n");
  Tables();
  Run();
  EXPECT_EQ(state.MemFree, "5,731");
  EXPECT_EQ(state.ProcName, "AMD Phenom(tm) II X4 955 Processor");
  EXPECT_EQ(ReadFile(DataFile()).rfind("[Memory]\r\nSlots=2\r\nSimms=2\r\n", 0), 0u);
  EXPECT_EQ(Stored("Memory", "Free"), "");
}

TEST_F(SystemSummaryTest, EmptyOutputLeavesTheWinPageOffAndEmptiesTheKeptText) {
  WriteProgram(System32() + "/SystemInfo.exe", "");
  WriteFile(TempFolder() + "/SystemInfo.txt", "an earlier summary");
  Run();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(window.winBox.has_value());
  EXPECT_FALSE(window.selectP8);
  EXPECT_EQ(ReadFile(TempFolder() + "/SystemInfo.txt"), "");
  EXPECT_TRUE(window.list1.empty());
  EXPECT_FALSE(platform::FindPath(DataFile()));
}

TEST_F(SystemSummaryTest, AMissingToolIsReportedByTheRunner) {
  Run();
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"File or command not found"}));
  EXPECT_FALSE(window.selectP8);
  EXPECT_TRUE(platform::FindPath(TempFolder() + "/SystemInfo.txt", platform::EntryKind::File));
  EXPECT_EQ(ReadFile(TempFolder() + "/SystemInfo.txt"), "");
}

TEST_F(SystemSummaryTest, TheSyswow64ToolComesFirst) {
  ::mkdir((WinDir() + "/SysWOW64").c_str(), 0700);
  ToolPrints(OtherLines(10) + "Total Physical Memory:     1,024 MB\r\n");
  WriteProgramPrinting(WinDir() + "/SysWOW64/Systeminfo.exe",
                       OtherLines(10) + "Total Physical Memory:     2,048 MB\r\n");
  EXPECT_EQ(sysinfo::SummaryToolPath(WinDir()), WinDir() + "/SysWOW64/Systeminfo.exe");
  Run();
  EXPECT_EQ(state.MemTotal, "2,048");
  EXPECT_EQ(sysinfo::SummaryToolPath(sandbox / "nowhere"),
            sandbox / "nowhere/System32/Systeminfo.exe");
}

TEST_F(SystemSummaryTest, TheRealToolOnThisMachine) {
  const std::string tool = System32() + "/SystemInfo.exe";
  WriteFile(tool, ReadFile(SYSTEMINFO_TOOL));
  ::chmod(tool.c_str(), 0755);
  Run();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_GE(window.list1.size(), 10u);
  std::smatch kilobytes;
  const std::string meminfo = ReadFile("/proc/meminfo");
  ASSERT_TRUE(std::regex_search(meminfo, kilobytes, std::regex("MemTotal: +([0-9]+) kB")));
  const std::string megabytes = std::to_string(std::stoull(kilobytes[1]) / 1024);
  EXPECT_EQ(std::regex_replace(state.MemTotal, std::regex("[^0-9]"), ""), megabytes);
  EXPECT_TRUE(std::regex_match(state.MemFree, std::regex("[0-9][0-9,. ']*"))) << state.MemFree;
  EXPECT_TRUE(std::regex_match(state.ProcCount, std::regex("[1-9]"))) << state.ProcCount;
  EXPECT_EQ(Stored("Memory", "Total"), state.MemTotal);
}

}  // namespace
