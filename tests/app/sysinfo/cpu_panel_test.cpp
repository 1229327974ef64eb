// GetCPU with recorded engine reports of several processors, report lines made up to reach the
// rarer cases, and the real engine.

#include "cpu_panel.h"

#include <regex>

#include "sysinfo_fixture.h"

namespace {

using sysinfo::MousePointer;

const char kHeader[] =
    "PROCESSOR/MEMORY INFORMATION\r\n"
    "Memory   Total: 8,192   Free: 5,731\r\n"
    "   Slot1 : Slot 1   4 GB  Speed: 1333 Mhz   (BANK0)\r\n"
    "   Slot2 : Slot 2   4 GB  Speed: 1333 Mhz   (BANK1)\r\n"
    "\r\n"
    "Intel(R) Core(TM) i7 CPU 965 @ 3.20GHz\r\n"
    "Physical Processors: 1   Cores: 8\r\n"
    "Speed: 3200 MHz\r\n"
    "Socket: LGA1366\r\n";

class CpuPanelTest : public SysinfoFixture {
 protected:
  CpuPanelTest() {
    state.MemTotal = "8,192";
    state.MemFree = "5,731";
    state.SlotCount = "2";
    state.SlotText[0] = "Slot 1   4 GB  Speed: 1333 Mhz   (BANK0)";
    state.SlotText[1] = "Slot 2   4 GB  Speed: 1333 Mhz   (BANK1)";
    state.ProcName = "Intel(R) Core(TM) i7 CPU 965 @ 3.20GHz";
    state.ProcCount = "1";
    state.CoreCount = "8";
    state.ProcSpeed = "3200 MHz";
    state.ProcSocket = "LGA1366";
    state.EnginePath = TempFolder() + "/ram.exe";
    window.list1 = {"a summary line"};
  }

  void Run() { sysinfo::GetCPU(state, objDOSB, window); }
  void RunRecorded(const std::string& report) {
    WriteProgram(state.EnginePath, DataPath("report-" + report + ".txt"));
    Run();
  }
  void RunReport(const std::string& text) {
    WriteProgramPrinting(state.EnginePath, text);
    Run();
  }
  void ExpectShown() {
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window.testPage7Shown);
    EXPECT_TRUE(window.selectP7);
    EXPECT_TRUE(window.list1.empty());
    EXPECT_EQ(window.pointers,
              (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
  }
};

TEST_F(CpuPanelTest, ReportFromTheFirstInstructionCacheLineOn) {
  RunRecorded("intel-061A-bloomfield");
  ExpectShown();
  EXPECT_EQ(window.cpuInfo, std::string(kHeader) +
                                "\r\nLevel 1\r\n"
                                "I-cache: 32Kb, 4-way, 64 bytes per line\r\n"
                                "D-cache: 32Kb, 8-way, 64 bytes per line\r\n"
                                "D-TLB (4Kb pages): 64 entries, 4-way\r\n"
                                "D-TLB (4Mb pages): 32 entries, 4-way\r\n"
                                "\r\nLevel 2\r\n"
                                "S-cache: 256Kb, 8-way, 64 bytes per line\r\n"
                                "S-TLB (4Kb pages): 512 entries, 4-way\r\n"
                                "\r\nLevel 3\r\n"
                                "T-cache: 8192Kb, 16-way, 64 bytes per line\r\n"
                                "\r\nScalar: FPU CMOV CX8 CX16 AMD64 \r\n"
                                "\r\nVector: MMX MMX+ SSE SSE2 SSE3 \r\n"
                                "\r\nGeneral: MSR FXSR CLFSH SENTER VMX \r\n"
                                "\r\nAddressing: PSE PSE36 PAE PGE PAT MTRR \r\n"
                                "\r\nMonitoring: TSC TMSC TM TM2 MNTR \r\n"
                                "\r\nOther: VME DE MCE MCA APIC DS SS NX \r\n"
                                "HTT: 10 logical core(s) supported\r\n");
  EXPECT_TRUE(state.HasMMX);
  EXPECT_TRUE(state.HasSSE);
  // The instruction cache comes first: the data cache line does not change level 1.
  EXPECT_EQ(state.CacheL1, " 32Kb");
  EXPECT_EQ(state.CacheL2, " 256Kb");
  EXPECT_EQ(state.CacheL3, " 8192Kb");
}

TEST_F(CpuPanelTest, RecordedReportsGiveTheirCacheSizesAndFlags) {
  const struct {
    const char* report;
    const char* l1;
    const char* l2;
    const char* l3;
    bool sse;
  } cases[] = {
      {"amd-1A02-turin-vm", " 32Kb", " 1024Kb", " 32768Kb", true},
      {"intel-061A-bloomfield", " 32Kb", " 256Kb", " 8192Kb", true},
      {"intel-0F04-prescott2m", " 16Kb", " 2048Kb", "", true},
      {"intel-062A-sandybridge", "", "", "", true},
      {"cyrix-0600-mii", "", "", "", false},
  };
  for (const auto& c : cases) {
    state.HasMMX = state.HasSSE = false;
    state.CacheL1 = state.CacheL2 = state.CacheL3 = "";
    RunRecorded(c.report);
    EXPECT_TRUE(messages.shown.empty()) << c.report;
    EXPECT_EQ(state.CacheL1, c.l1) << c.report;
    EXPECT_EQ(state.CacheL2, c.l2) << c.report;
    EXPECT_EQ(state.CacheL3, c.l3) << c.report;
    EXPECT_TRUE(state.HasMMX) << c.report;
    EXPECT_EQ(state.HasSSE, c.sse) << c.report;
  }
}

TEST_F(CpuPanelTest, TraceCacheWithoutKilobytesLeavesLevelOneToTheDataCache) {
  RunRecorded("intel-0F04-prescott2m");
  ExpectShown();
  EXPECT_EQ(state.CacheL1, " 16Kb");
  EXPECT_EQ(state.CacheL2, " 2048Kb");
  EXPECT_EQ(state.CacheL3, "");
  const std::string listed = window.cpuInfo.substr(std::string(kHeader).size());
  EXPECT_EQ(
      listed.rfind(
          "\r\nLevel 1\r\nI-cache: 12Kuops, 8-way\r\nD-cache: 16Kb, 8-way, 64 bytes per line\r\n",
          0),
      0u)
      << listed;
}

TEST_F(CpuPanelTest, UndecodedInstructionCacheNeverStartsTheListing) {
  state.CacheL3 = " 6144Kb";
  RunRecorded("intel-062A-sandybridge");
  ExpectShown();
  EXPECT_EQ(window.cpuInfo, std::string(kHeader) + "\r\n\r\n\r\n\r\n\r\n\r\n");
  EXPECT_TRUE(state.HasMMX);
  EXPECT_TRUE(state.HasSSE);
  EXPECT_EQ(state.CacheL1, "");
  EXPECT_EQ(state.CacheL2, "");
  EXPECT_EQ(state.CacheL3, " 6144Kb") << "not reset";
}

TEST_F(CpuPanelTest, AReportWithoutSseLeavesItsFlagOff) {
  RunRecorded("cyrix-0600-mii");
  ExpectShown();
  EXPECT_TRUE(state.HasMMX);
  EXPECT_FALSE(state.HasSSE);
  EXPECT_EQ(window.cpuInfo, std::string(kHeader) + "\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(CpuPanelTest, PrefixesCachesAndFeatureGroupsLineByLine) {
  RunReport(
      "\n"
      "GenuineIntel family 6 model 2A stepping 7\n"
      "2x D-cache: 32Kb, 8-way, 64 bytes per line\r\n"
      "D-cache: [unknown]\n"
      "xx I-cache: 64Kb, 4-way\n"
      "12x D-TLB (4Kb pages): 64 entries, 4-way\n"
      "   \n"
      "10x S-cache: 512Kb, 8-way\r\n"
      "D-cache: 48Kb, 12-way\n"
      "T-cache: 16384KB, 16-way\n"
      "Scalar: FPU Other: VME\n"
      "Vector: MMX \n"
      "4x");
  ExpectShown();
  EXPECT_EQ(window.cpuInfo, std::string(kHeader) +
                                "\r\nLevel 1\r\n"
                                "I-cache: 64Kb, 4-way\r\n"
                                "12x D-TLB (4Kb pages): 64 entries, 4-way\r\n"
                                "\r\nLevel 2\r\n"
                                "S-cache: 512Kb, 8-way\r\n"
                                "D-cache: 48Kb, 12-way\r\n"
                                "\r\nLevel 3\r\n"
                                "T-cache: 16384KB, 16-way\r\n"
                                "\r\n\r\nScalar: FPU Other: VME\r\n"
                                "\r\nVector: MMX \r\n"
                                "\r\n");
  EXPECT_TRUE(state.HasMMX);
  EXPECT_FALSE(state.HasSSE);
  EXPECT_EQ(state.CacheL1, " 64Kb");
  EXPECT_EQ(state.CacheL2, " 512Kb");
  EXPECT_EQ(state.CacheL3, " 16384KB");
}

TEST_F(CpuPanelTest, TheDataCacheSetsLevelOneOnlyWhileItIsEmpty) {
  RunReport("2x D-cache: 32Kb, 8-way, 64 bytes per line\n");
  EXPECT_EQ(state.CacheL1, " 32Kb");
  RunReport("D-cache: 48Kb, 12-way\n");
  EXPECT_EQ(state.CacheL1, " 32Kb");
}

TEST_F(CpuPanelTest, HeaderListsTheFilledSlotsOfTheTwelve) {
  state.SlotCount = "3";
  state.SlotText = {"first", "", "third"};
  RunReport("");
  EXPECT_EQ(
      window.cpuInfo.rfind("PROCESSOR/MEMORY INFORMATION\r\nMemory   Total: 8,192   Free: 5,731\r\n"
                           "   Slot1 : first\r\n   Slot3 : third\r\n\r\nIntel",
                           0),
      0u)
      << window.cpuInfo;
  state.SlotCount = "14";
  state.SlotText.fill("x");
  RunReport("");
  EXPECT_NE(window.cpuInfo.find("   Slot12 : x\r\n\r\nIntel"), std::string::npos);
  state.SlotCount = "";
  RunReport("");
  EXPECT_EQ(window.cpuInfo.find("Slot"), std::string::npos);
}

TEST_F(CpuPanelTest, AnEngineThatCannotStartLeavesTheHeaderOnly) {
  state.EnginePath = sandbox / "missing/ram.exe";
  state.CacheL1 = " 32Kb";
  Run();
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"File or command not found"}));
  EXPECT_EQ(window.cpuInfo, kHeader);
  EXPECT_FALSE(state.HasMMX);
  EXPECT_FALSE(state.HasSSE);
  EXPECT_EQ(state.CacheL1, " 32Kb");
  EXPECT_TRUE(window.testPage7Shown);
  EXPECT_EQ(window.pointers.back(), MousePointer::Default);
}

TEST_F(CpuPanelTest, TheRealEngineOnThisMachine) {
  state.EnginePath = RAM_EXE;
  Run();
  ExpectShown();
  EXPECT_TRUE(state.HasMMX);
  EXPECT_TRUE(state.HasSSE);
  EXPECT_TRUE(std::regex_match(state.CacheL1, std::regex(" [1-9][0-9]*Kb"))) << state.CacheL1;
  EXPECT_NE(window.cpuInfo.find("\r\nLevel 1\r\nI-cache: "), std::string::npos) << window.cpuInfo;
  EXPECT_NE(window.cpuInfo.find("\r\nVector: MMX"), std::string::npos) << window.cpuInfo;
}

}  // namespace
