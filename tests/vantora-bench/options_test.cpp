// The command line: what each option sets, what is refused and why, and names that come from
// the kernel table.
#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sizes.h"

namespace vbench {
namespace {

using Args = std::vector<std::string>;

Options parsed(const Args& args) {
  Options options;
  const std::string error = parseOptions(args, options);
  EXPECT_EQ(error, "") << ::testing::PrintToString(args);
  return options;
}

TEST(Options, DefaultsAreAFullSweepOfEverythingOnOneThread) {
  const Options options = parsed({});
  EXPECT_TRUE(options.classes.empty());
  EXPECT_TRUE(options.operations.empty());
  EXPECT_EQ(options.size, 0u);
  EXPECT_EQ(options.from, 0u);
  EXPECT_EQ(options.to, 0u);
  EXPECT_EQ(options.threads, 1);
  EXPECT_EQ(options.repeat, 5);
  EXPECT_EQ(options.format, Format::Table);
}

TEST(Options, RepeatedAndListedNamesGatherInTableOrderOnce) {
  const Options options = parsed({"--class", "avx512", "--class=sse", "--class", "avx512,int64",
                                  "--op", "latency", "--op=read,copy", "--op", "read"});
  EXPECT_EQ(options.classes,
            (std::vector<InstructionClass>{InstructionClass::Int64, InstructionClass::Sse,
                                           InstructionClass::Avx512}));
  EXPECT_EQ(options.operations,
            (std::vector<Operation>{Operation::Read, Operation::Copy, Operation::Latency}));
}

TEST(Options, ValuesOfSizesThreadsRepeatAndFormat) {
  EXPECT_EQ(parsed({"--size", "16K"}).size, 16 * kKilobyte);
  EXPECT_EQ(parsed({"--size=1536"}).size, 1536u);
  EXPECT_EQ(parsed({"--size", "1.5m"}).size, 1536 * kKilobyte);
  const Options sweep = parsed({"--from", "1k", "--to", "1G"});
  EXPECT_EQ(sweep.from, kKilobyte);
  EXPECT_EQ(sweep.to, kGigabyte);
  EXPECT_EQ(parsed({"--threads", "all"}).threads, 0);
  EXPECT_EQ(parsed({"--threads", "2"}).threads, 2);
  EXPECT_EQ(parsed({"--repeat", "1000"}).repeat, 1000);
  EXPECT_EQ(parsed({"--json"}).format, Format::Json);
  EXPECT_EQ(parsed({"--csv", "--csv"}).format, Format::Csv);
  EXPECT_TRUE(parsed({"--help"}).help);
}

TEST(Options, RefusedWithTheReason) {
  const struct {
    Args args;
    const char* error;
  } cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-c"}, "unknown option '-c'"},
      {{"--class", "avx"}, "unknown class 'avx' (classes: int64, sse, avx2, avx512)"},
      {{"--class", "sse,"}, "unknown class ''"},
      {{"--op", "triad"},
       "unknown operation 'triad' (operations: read, write, copy, ntwrite, "
       "latency)"},
      {{"--class"}, "--class needs a value"},
      {{"--json=yes"}, "--json takes no value"},
      {{"--size", "16X"}, "invalid size '16X' for --size"},
      {{"--size", "-1K"}, "invalid size '-1K' for --size"},
      {{"--size", "99999999999999999999"}, "invalid size"},
      {{"--size", "1500"},
       "--size 1500: working sets are multiples of 512 bytes from 1 KB to 1 GB"},
      {{"--size", "512"}, "--size 512: working sets are multiples of 512 bytes"},
      {{"--to", "2G"}, "--to 2G: working sets are multiples of 512 bytes"},
      {{"--size", "1M", "--to", "2M"}, "--size and --from/--to exclude each other"},
      {{"--from", "2M", "--to", "1M"}, "--from 2 MB is above --to 1 MB"},
      {{"--threads", "0"}, "--threads takes a number or 'all'"},
      {{"--threads", "two"}, "--threads takes a number or 'all'"},
      {{"--repeat", "0"}, "--repeat takes a whole number from 1 to 1000"},
      {{"--repeat", "1e3"}, "--repeat takes a whole number"},
      {{"--json", "--csv"}, "--json and --csv exclude each other"},
  };
  for (const auto& row : cases) {
    Options options;
    const std::string error = parseOptions(row.args, options);
    EXPECT_EQ(error.rfind(row.error, 0), 0u)
        << ::testing::PrintToString(row.args) << " gave: " << error;
  }
}

TEST(Options, EveryNameOfTheKernelTableIsAcceptedAndListed) {
  const std::string help = usage();
  for (const KernelEntry& entry : kernelTable()) {
    const Options options = parsed(
        {"--class", className(entry.instructionClass), "--op", operationName(entry.operation)});
    EXPECT_EQ(options.classes, std::vector<InstructionClass>{entry.instructionClass});
    EXPECT_EQ(options.operations, std::vector<Operation>{entry.operation});
    EXPECT_NE(help.find(className(entry.instructionClass)), std::string::npos);
    EXPECT_NE(help.find(operationName(entry.operation)), std::string::npos);
  }
}

}  // namespace
}  // namespace vbench
