#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "carried_files.h"
#include "edition.h"
#include "folders.h"
#include "ini_read_write.h"
#include "main_procedure.h"
#include "maker_key.h"
#include "recorded_messages.h"
#include "required_files.h"
#include "sandbox.h"
#include "stored_summary.h"

namespace {

namespace fs = std::filesystem;

TEST(GetEXEName, ThePathAsWrittenOnTheCommandLine) {
  const struct {
    std::string commandLine;
    const char* name;
  } cases[] = {
      {"\"C:\\Tools\\Vantora.exe\" -x", "C:\\Tools\\Vantora.exe"},
      {"C:\\Tools\\Vantora.exe -x", "C:\\Tools\\Vantora.exe"},
      {"  /opt/vantora/vantora  ", "/opt/vantora/vantora"},
      {std::string("/opt/my tools/pellisto\0-x\0", 25), "/opt/my"},
      {std::string("\"/opt/my tools/pellisto\"\0", 25), "/opt/my tools/pellisto"},
      {"\"unclosed path", "unclosed pat"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(startup::GetEXEName(c.commandLine), c.name) << c.commandLine;
  }
}

TEST(GetEXEName, ThisProcessWhereverItLies) {
  const std::string name = startup::GetEXEName(startup::ProcessCommandLine());
  EXPECT_EQ(std::filesystem::path(name).filename(), "app_launch_tests");
}

TEST(Edition, ChosenByTheExecutablesName) {
  const struct {
    const char* path;
    int edition;
  } cases[] = {
      {"C:\\Tools\\Vantora.exe", 0},  {"C:\\Tools\\vantora.EXE", 0},
      {"C:\\Tools\\Pellisto.exe", 1}, {"/usr/local/bin/pellisto", 1},
      {"/usr/local/bin/PELLISTO", 1}, {"/usr/local/bin/vantora", 0},
      {"/home/me/vantora-dev", 0},    {"/home/pellisto/bin/vantora", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(startup::EditionOf(c.path), c.edition) << c.path;
  }
}

class SelectEditionTest : public testing::Test {
 protected:
  SelectEditionTest() {
    state.TempFolder = platform::TempFolder().path;
    state.ProgramFolder = sandbox / "program";
    fs::create_directories(state.ProgramFolder);
  }
  Sandbox sandbox;
  ScopedEnvironment temp{"TEMP", sandbox / "temp"};
  state::ProgramState state;
};

TEST_F(SelectEditionTest, VantoraWritesItsEngineForOneRun) {
  startup::SelectEdition(state, state.ProgramFolder + "/vantora");
  EXPECT_EQ(state.Edition, 0);
  EXPECT_EQ(state.EnginePath, state.TempFolder + "/ram.exe");
  const std::string engine = state.TempFolder + "/RAM.exe";
  ASSERT_TRUE(fs::exists(engine));
  EXPECT_EQ(fs::status(engine).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  startup::DeleteEngineFile(state);
  EXPECT_FALSE(fs::exists(engine));
  startup::DeleteEngineFile(state);  // nothing there: nothing to do
}

TEST_F(SelectEditionTest, PellistoRunsTheEngineBesideTheProgramWhenThereIsOne) {
  startup::SelectEdition(state, state.ProgramFolder + "/pellisto");
  EXPECT_EQ(state.Edition, 1);
  EXPECT_EQ(state.EnginePath, state.TempFolder + "/pellisto-win32.exe");
  EXPECT_TRUE(fs::exists(state.TempFolder + "/Pellisto-win32.exe"));
  startup::DeleteEngineFile(state);
  EXPECT_TRUE(fs::exists(state.TempFolder + "/Pellisto-win32.exe")) << "it stays";

  fs::remove(state.TempFolder + "/Pellisto-win32.exe");
  WriteFile(state.ProgramFolder + "/Pellisto-Win32.exe", "");
  startup::SelectEdition(state, state.ProgramFolder + "/pellisto");
  EXPECT_EQ(state.EnginePath, state.ProgramFolder + "/pellisto-win32.exe");
  EXPECT_FALSE(fs::exists(state.TempFolder + "/Pellisto-win32.exe")) << "nothing written";
}

TEST(StoredSummary, ReadBackAtStartAndShownInTheLabel) {
  Sandbox sandbox;
  state::ProgramState state;
  state.TempFolder = sandbox.path();
  WriteFile(sandbox / "Data.dat",
            "[Processor]\r\nName=AMD EPYC\r\nSpeed=3700 MHz\r\nSock=SP5\r\nNumber=1\r\n"
            "[Memory]\r\nTotal=24,032\r\nFree=20,001\r\nSlots=14\r\nSimms=2\r\n"
            "Slot1=Slot 1   16 GB  Speed: 4800 Mhz   (P0)\r\nSlot12=twelve\r\nSlot13=thirteen\r\n");
  settings::INIReadWrite ini(state);
  state.CompareFilePath = sandbox / "compare.Tdv";  // the summary never comes from a Full Test
  startup::ReadStoredSummary(state, ini);
  EXPECT_EQ(state.ProcName, "AMD EPYC");
  EXPECT_EQ(state.ProcSpeed, "3700 MHz");
  EXPECT_EQ(state.ProcSocket, "SP5");
  EXPECT_EQ(state.ProcCount, "1");
  EXPECT_EQ(state.MemFree, "20,001");
  EXPECT_EQ(state.SlotText[0], "Slot 1   16 GB  Speed: 4800 Mhz   (P0)");
  EXPECT_EQ(state.SlotText[11], "twelve") << "14 slots stored: the first 12 are read";

  EXPECT_EQ(startup::SummaryLabel(state), "Total Memory: 24,032 MB\r\nDimms: 2/14 Slots\r\n");
  state.CacheL1 = " 32Kb";
  state.CacheL2 = " 1024Kb";
  state.CacheL3 = " 32768Kb";
  EXPECT_EQ(startup::SummaryLabel(state),
            "Total Memory: 24,032 MB\r\nDimms: 2/14 Slots\r\nL1: 32Kb L2: 1024Kb L3: 32768Kb");
  state.ModuleCount.clear();
  state.CacheL2.clear();
  EXPECT_EQ(startup::SummaryLabel(state), "Total Memory: 24,032 MB\r\nL1: 32Kb L3: 32768Kb");
}

// "Monitor Cache": the monitor is written once into the program's folder and started there.
TEST(StartMonitor, WrittenWhenMissingAndStartedInTheProgramFolder) {
  Sandbox sandbox;
  state::ProgramState state;
  state.ProgramWriteFolder = sandbox.path();
  struct Start {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
  };
  std::vector<Start> starts;
  const startup::ProgramStarter record = [&](const std::string& program,
                                             const std::vector<std::string>& arguments,
                                             const std::string& folder) {
    starts.push_back({program, arguments, folder});
    return true;
  };
  startup::StartMonitor(state, startup::kKovrinFile, record);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].program, sandbox / "Kovrin.exe");
  EXPECT_TRUE(starts[0].arguments.empty());
  EXPECT_EQ(starts[0].folder, sandbox.path());
  EXPECT_EQ(ReadFile(sandbox / "Kovrin.exe"), ReadFile(KOVRIN_EXE));

  fs::remove(sandbox / "Kovrin.exe");
  WriteFile(sandbox / "kovrin.EXE", "an earlier copy");
  startup::StartMonitor(state, startup::kKovrinFile, record);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[1].program, sandbox / "kovrin.EXE") << "an existing file is used as found";
  EXPECT_EQ(ReadFile(sandbox / "kovrin.EXE"), "an earlier copy");
}

TEST(RequiredFiles, TheQtLibrariesThisProcessLoaded) {
  const std::string maps =
      "55d0-55d1 r--p 00000000 08:01 1 /opt/my tools/vantora\n"
      "7f00-7f01 r--p 00000000 08:01 2 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
      "7f01-7f02 r-xp 00001000 08:01 2 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
      "7f02-7f03 r--p 00000000 08:01 3 /usr/lib/x86_64-linux-gnu/libc.so.6\n"
      "7f03-7f04 rw-p 00000000 00:00 0 \n"
      "7f04-7f05 r--p 00000000 08:01 4 /usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6.4.2\n"
      "7ffc-7ffd rw-p 00000000 00:00 0 [stack]\n";
  EXPECT_EQ(startup::QtLibrariesIn(maps),
            (std::vector<std::string>{"/usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2",
                                      "/usr/lib/x86_64-linux-gnu/libQt6Widgets.so.6.4.2"}));
  const std::vector<std::string> loaded = startup::RequiredFiles();
  ASSERT_FALSE(loaded.empty()) << "this test links Qt Core";
  for (const std::string& library : loaded) {
    EXPECT_TRUE(fs::exists(library)) << library;
  }
}

// The start-up procedure in a sandboxed WinDir: the summary tool goes into the system folder, and
// a missing runtime component ends the start with the message.
TEST(StartUpProcedure, WritesTheSummaryToolAndChecksTheComponents) {
  Sandbox sandbox;
  ScopedEnvironment winDir("WinDir", sandbox / "win");
  ScopedEnvironment temp("TEMP", sandbox / "temp");
  ScopedEnvironment site("VANTORA_DOWNLOAD_SITE", std::nullopt);
  fs::create_directories(sandbox / "win");
  RecordedMessages messages;

  state::ProgramState state;
  update::frmData data;
  EXPECT_TRUE(startup::Main(state, data, startup::RequiredFiles(), updater::MakerKey()));
  EXPECT_EQ(state.WinDir, sandbox / "win");
  EXPECT_EQ(state.SysFolder, "System32");
  EXPECT_EQ(ReadFile(sandbox / "win/System32/SystemInfo.exe"), ReadFile(SYSTEMINFO_EXE));
  EXPECT_TRUE(messages.shown.empty());

  fs::create_directories(sandbox / "win/Syswow64");
  EXPECT_FALSE(startup::Main(state, data, {sandbox / "missing.so"}, updater::MakerKey()));
  EXPECT_EQ(state.SysFolder, "Syswow64");
  EXPECT_TRUE(fs::exists(sandbox / "win/Syswow64/SystemInfo.exe"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind(
                "Files Required for this program to run properly are missing", 0),
            0u)
      << messages.shown[0].text;
}

}  // namespace
