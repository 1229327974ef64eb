#include "process_status.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "proc_file.h"
#include "proc_fixture.h"

namespace {

using namespace memorymonitor;

std::string Status(const std::string& pid) {
  return ReadProcFile(kData + "/proc/" + pid + "/status").value();
}

TEST(ProcessStatus, ReadsNamePidAndResidentMemory) {
  const std::optional<ProcessMemory> process = ParseProcessStatus(Status("903"));
  ASSERT_TRUE(process);
  EXPECT_EQ(process->pid, 903);
  EXPECT_EQ(process->name, "Web Content");
  EXPECT_EQ(process->residentBytes, std::uint64_t{402112} * 1024);

  const std::optional<ProcessMemory> self =
      ParseProcessStatus(ReadProcFile("/proc/self/status").value());
  ASSERT_TRUE(self);
  EXPECT_EQ(self->pid, ::getpid());
  EXPECT_GT(self->residentBytes, 0u);
}

TEST(ProcessStatus, RefusesKernelThreadsAndMalformedStatus) {
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"kernel thread", Status("2")},
      {"malformed VmRSS", Status("77")},
      {"no unit", "Name:\ta\nPid:\t5\nVmRSS:\t100\n"},
      {"no name", "Pid:\t5\nVmRSS:\t100 kB\n"},
      {"no pid", "Name:\ta\nVmRSS:\t100 kB\n"},
      {"bad pid", "Name:\ta\nPid:\tfive\nVmRSS:\t100 kB\n"},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ParseProcessStatus(c.text));
  }
}

TEST(TopProcesses, TheMostResidentFirstSkippingWhatCannotBeRead) {
  ProcFixture proc;
  const TopProcesses top = ReadTopProcesses(proc.root(), 10);
  std::vector<std::pair<long, std::uint64_t>> listed;
  for (const ProcessMemory& p : top.processes) listed.emplace_back(p.pid, p.residentBytes / 1024);
  const std::vector<std::pair<long, std::uint64_t>> expected = {
      {902, 1812004}, {1200, 700000}, {1400, 520000}, {903, 402112}, {1001, 380000},
      {1201, 250000}, {415, 145000},  {1600, 38000},  {1, 24000},    {1500, 24000}};
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(top.unreadable, 2) << "3000 without status, 3001 with a folder for one";
}

TEST(TopProcesses, FewerProcessesThanAskedForAndAnUnreadableRoot) {
  ProcFixture proc;
  EXPECT_EQ(ReadTopProcesses(proc.root(), 50).processes.size(), 11u);
  EXPECT_TRUE(ReadTopProcesses(proc.root(), 0).processes.empty());
  const TopProcesses none = ReadTopProcesses(proc / "absent", 10);
  EXPECT_TRUE(none.processes.empty());
  EXPECT_EQ(none.unreadable, 0);
}

TEST(TopProcesses, ListsThisMachinesProcesses) {
  const TopProcesses top = ReadTopProcesses("/proc", 10);
  ASSERT_FALSE(top.processes.empty());
  for (std::size_t i = 1; i < top.processes.size(); ++i) {
    EXPECT_GE(top.processes[i - 1].residentBytes, top.processes[i].residentBytes);
  }
}

}  // namespace
