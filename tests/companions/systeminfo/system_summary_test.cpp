// The summary built from fixture files in place of /proc, /sys and /etc.

#include "system_summary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <climits>
#include <ctime>

#include "sandbox.h"
#include "summary_line.h"

namespace {

using systeminfo::ContinuationLine;
using systeminfo::SummaryLine;

const systeminfo::DigitGrouping kEnglish{",", "\3"};

class SystemSummaryTest : public testing::Test {
 protected:
  SystemSummaryTest() {
    ::tzset();
    ::uname(&system_);
    char host[HOST_NAME_MAX + 1] = {};
    ::gethostname(host, sizeof host - 1);
    hostName_ = host;
    ::mkdir((sandbox_ / "proc").c_str(), 0700);
    ::mkdir((sandbox_ / "dmi").c_str(), 0700);
    sources_.osRelease = sandbox_ / "os-release";
    sources_.osReleaseFallback = sandbox_ / "usr-lib-os-release";
    sources_.procFolder = sandbox_ / "proc";
    sources_.dmiFolder = sandbox_ / "dmi";
  }
  ~SystemSummaryTest() override {
    timeZone_.reset();
    ::tzset();
  }

  void Proc(const std::string& name, const std::string& text) {
    WriteFile(sandbox_ / ("proc/" + name), text);
  }
  void Dmi(const std::string& name, const std::string& text) {
    WriteFile(sandbox_ / ("dmi/" + name), text);
  }
  std::string SystemType() const {
    return std::string(system_.machine) == "x86_64" ? "x64-based PC" : "X86-based PC";
  }

  Sandbox sandbox_;
  std::optional<ScopedEnvironment> timeZone_{std::in_place, "TZ", "UTC"};
  systeminfo::SummarySources sources_;
  utsname system_{};
  std::string hostName_;
};

TEST_F(SystemSummaryTest, EveryItemFromItsSource) {
  WriteFile(sources_.osRelease,
            "NAME=\"Fixture Linux\"\nVERSION=\"7 (Test)\"\nPRETTY_NAME=\"Fixture Linux 7\"\n");
  Proc("stat", "cpu  1 2 3 4\nbtime 1700000000\n");
  const std::string xeon = "model name\t: Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz\n";
  Proc("cpuinfo", "processor\t: 0\nphysical id\t: 0\n" + xeon + "\n" +
                      "processor\t: 1\nphysical id\t: 1\n" + xeon + "\n" +
                      "processor\t: 2\nphysical id\t: 0\n" + xeon + "\n");
  // 16,384 MB and 1,023 KB: megabytes are whole ones.
  Proc("meminfo",
       "MemTotal:       16778239 kB\nMemFree:         1000000 kB\n"
       "MemAvailable:   10485760 kB\nSwapTotal:       2097152 kB\nSwapFree:        1048576 kB\n");
  Proc("swaps",
       "Filename\t\t\t\tType\t\tSize\t\tUsed\t\tPriority\n"
       "/dev/sda2                               partition\t1048576\t\t0\t\t-2\n"
       "/swapfile                               file\t\t1048576\t\t1048576\t\t-3\n");
  Dmi("sys_vendor", "Example Computers Ltd.\n");
  Dmi("product_name", "Workstation 7000\n");
  Dmi("bios_vendor", "Example BIOS Inc.\n");
  Dmi("bios_version", "2.1.7\n");
  Dmi("bios_date", "03/05/2019\n");

  const std::vector<std::string> expected = {
      SummaryLine("Host Name:", hostName_),
      "OS Name:                   Fixture Linux 7",
      "OS Version:                7 (Test), kernel " + std::string(system_.release),
      "System Boot Time:          11/14/23, 22:13:20",
      "System Manufacturer:       Example Computers Ltd.",
      "System Model:              Workstation 7000",
      SummaryLine("System Type:", SystemType()),
      "Processor(s):              2 Processor(s) Installed.",
      "                           [01]: Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz",
      "                           [02]: Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz",
      "BIOS Version:              Example BIOS Inc. 2.1.7, 03/05/2019",
      "Time Zone:                 (UTC+00:00) UTC",
      "Total Physical Memory:     16,384 MB",
      "Available Physical Memory: 10,240 MB",
      "Virtual Memory: Max Size:  18,432 MB",
      "Virtual Memory: Available: 11,264 MB",
      "Virtual Memory: In Use:    7,168 MB",
      "Page File Location(s):     /dev/sda2",
      "                           /swapfile",
  };
  EXPECT_EQ(systeminfo::SystemSummary(sources_, kEnglish), expected);
}

TEST_F(SystemSummaryTest, ItemsWithoutASourceAreLeftOut) {
  // No file at all, a folder in place of a file, fillers for the maker's values; the fallback
  // os-release names the system.
  WriteFile(sources_.osReleaseFallback, "NAME=Plain\nVERSION_ID=3.1\n");
  ::mkdir((sandbox_ / "proc/meminfo").c_str(), 0700);
  Dmi("sys_vendor", "To Be Filled By O.E.M.\n");
  Dmi("product_name", "   \n");
  Dmi("bios_version", "F12\n");
  Dmi("bios_date", "Not Specified\n");
  // A zone given as a rule: west of Greenwich is behind UTC.
  timeZone_.emplace("TZ", "NST+3:30");
  ::tzset();

  const std::vector<std::string> expected = {
      SummaryLine("Host Name:", hostName_),
      "OS Name:                   Plain",
      "OS Version:                3.1, kernel " + std::string(system_.release),
      SummaryLine("System Type:", SystemType()),
      "BIOS Version:              F12",
      "Time Zone:                 (UTC-03:30) NST+3:30",
  };
  EXPECT_EQ(systeminfo::SystemSummary(sources_, kEnglish), expected);
}

}  // namespace
