// The pieces of the summary: line layout, digit grouping and the readers of /proc, os-release
// and firmware texts.

#include <gtest/gtest.h>

#include <climits>

#include "digit_grouping.h"
#include "dmi_values.h"
#include "os_release.h"
#include "proc_files.h"
#include "summary_line.h"

namespace {

using systeminfo::DigitGrouping;

TEST(SummaryLine, ValuesStartAtColumnTwentyEight) {
  EXPECT_EQ(systeminfo::SummaryLine("Total Physical Memory:", "8,192 MB"),
            "Total Physical Memory:     8,192 MB");
  EXPECT_EQ(systeminfo::SummaryLine("Available Physical Memory:", "5,731 MB"),
            "Available Physical Memory: 5,731 MB");
  EXPECT_EQ(systeminfo::SummaryLine("Processor(s):", "1 Processor(s) Installed."),
            "Processor(s):              1 Processor(s) Installed.");
  EXPECT_EQ(systeminfo::SummaryLine("A label longer than the column:", "x"),
            "A label longer than the column: x");
  EXPECT_EQ(systeminfo::ContinuationLine("[01]: AMD EPYC"),
            "                           [01]: AMD EPYC");
}

TEST(GroupDigits, FollowsTheLocalesGrouping) {
  const DigitGrouping english{",", "\3"};
  const DigitGrouping indian{",", "\3\2"};
  const DigitGrouping once{".", std::string("\3") + char(CHAR_MAX)};
  const DigitGrouping none{"", ""};
  const DigitGrouping separatorOnly{",", ""};
  const DigitGrouping narrowSpace{"\u202F", "\3"};
  const struct {
    std::uint64_t value;
    const DigitGrouping& grouping;
    const char* text;
  } cases[] = {
      {0, english, "0"},
      {999, english, "999"},
      {1000, english, "1,000"},
      {24105, english, "24,105"},
      {1234567890, english, "1,234,567,890"},
      {1234567890, indian, "1,23,45,67,890"},
      {1234567890, once, "1234567.890"},
      {24105, none, "24105"},
      {24105, separatorOnly, "24105"},
      {24105, narrowSpace, "24\u202F105"},
      {18446744073709551615u, english, "18,446,744,073,709,551,615"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(systeminfo::GroupDigits(c.value, c.grouping), c.text) << c.value;
  }
}

TEST(OsRelease, ValuesInEveryQuoting) {
  const std::string text =
      "# comment\n"
      "NAME=\"Debian GNU/Linux\"\n"
      "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
      "VERSION_ID=12\n"
      "VARIANT='Server Edition'\n"
      "BUILD_ID=\"a \\\"quoted\\\" \\$word\"\r\n"
      "ID=debian";
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "PRETTY_NAME"), "Debian GNU/Linux 12 (bookworm)");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "NAME"), "Debian GNU/Linux");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "VERSION_ID"), "12");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "VARIANT"), "Server Edition");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "BUILD_ID"), "a \"quoted\" $word");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "ID"), "debian");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "VERSION"), "");
  EXPECT_EQ(systeminfo::OsReleaseValue(text, "VERSION_I"), "");
}

TEST(ProcFiles, MemInfoInKilobytes) {
  const std::string meminfo =
      "MemTotal:       24683692 kB\n"
      "MemFree:        23429400 kB\n"
      "MemAvailable:   23832680 kB\n"
      "SwapTotal:             0 kB\n"
      "Broken:        kB\n";
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "MemTotal"), 24683692u);
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "MemAvailable"), 23832680u);
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "SwapTotal"), 0u);
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "SwapFree"), std::nullopt);
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "Broken"), std::nullopt);
  EXPECT_EQ(systeminfo::MemInfoKilobytes(meminfo, "Mem"), std::nullopt);
}

TEST(ProcFiles, OneNamePerPhysicalPackage) {
  const std::string twoSockets =
      "processor\t: 0\nphysical id\t: 0\nmodel name\t: Intel(R) Xeon(R) CPU E5-2680 v4\n\n"
      "processor\t: 1\nphysical id\t: 1\nmodel name\t: Intel(R) Xeon(R) Gold 6130\n\n"
      "processor\t: 2\nphysical id\t: 0\nmodel name\t: Intel(R) Xeon(R) CPU E5-2680 v4\n\n"
      "processor\t: 3\nphysical id\t: 1\nmodel name\t: Intel(R) Xeon(R) Gold 6130\n\n";
  EXPECT_EQ(
      systeminfo::ProcessorPackageNames(twoSockets),
      (std::vector<std::string>{"Intel(R) Xeon(R) CPU E5-2680 v4", "Intel(R) Xeon(R) Gold 6130"}));
  // Without package numbers (some virtual machines) all processors are one package; a last
  // processor without a closing blank line still counts.
  const std::string noPackages =
      "processor\t: 0\nmodel name\t: AMD EPYC\n\nprocessor\t: 1\nmodel name\t: AMD EPYC";
  EXPECT_EQ(systeminfo::ProcessorPackageNames(noPackages), (std::vector<std::string>{"AMD EPYC"}));
  EXPECT_EQ(systeminfo::ProcessorPackageNames("processor\t: 0\nphysical id\t: 0\n"),
            (std::vector<std::string>{""}));
  EXPECT_TRUE(systeminfo::ProcessorPackageNames("").empty());
}

TEST(ProcFiles, BootTimeAndSwapAreas) {
  EXPECT_EQ(systeminfo::BootTime("cpu  1 2 3\nbtime 1796882997\nprocesses 9\n"), 1796882997);
  EXPECT_EQ(systeminfo::BootTime("cpu  1 2 3\n"), std::nullopt);
  EXPECT_EQ(systeminfo::SwapAreas("Filename\t\t\t\tType\t\tSize\t\tUsed\t\tPriority\n"
                                  "/dev/sda2 partition\t8388604\t\t0\t\t-2\n"
                                  "/swapfile file\t\t2097148\t\t0\t\t-3\n"),
            (std::vector<std::string>{"/dev/sda2", "/swapfile"}));
  EXPECT_TRUE(systeminfo::SwapAreas("Filename\t\t\t\tType\t\tSize\t\tUsed\t\tPriority\n").empty());
}

TEST(DmiValues, FillersAreNothingUseful) {
  EXPECT_EQ(systeminfo::UsefulDmiValue("Dell Inc.\n"), "Dell Inc.");
  EXPECT_EQ(systeminfo::UsefulDmiValue("  QEMU Standard PC (Q35 + ICH9, 2009)  \n"),
            "QEMU Standard PC (Q35 + ICH9, 2009)");
  for (const char* filler :
       {"", " \n", "To Be Filled By O.E.M.\n", "Default string\n", "System Product Name\n",
        "NOT SPECIFIED\n", "System manufacturer\n", "O.E.M.", "None"}) {
    EXPECT_EQ(systeminfo::UsefulDmiValue(filler), std::nullopt) << filler;
  }
}

}  // namespace
