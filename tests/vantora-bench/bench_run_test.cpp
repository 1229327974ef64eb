// The program run in-process on a synthetic Zen 5 class processor that offers int64 and SSE (so
// every kernel it picks runs on any x86-64 machine) with a clock the test chooses: the JSON, CSV
// and table shapes, the peak guard, the progress line and the errors.
#include "bench_run.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "captured_output.h"
#include "cores.h"
#include "cpuid_builders.h"
#include "json_value.h"
#include "mapped_buffer.h"

namespace vbench {
namespace {

using engine_test::CapturedOutput;
using engine_test::FakeCpuid;
using vbench_test::JsonValue;
using vbench_test::parseJson;

constexpr std::uint32_t kSse = 1u << 25;

// A cache of 64-byte lines for leaf 0x8000001D: type 1 data, 3 unified.
engine::CpuidRegisters cache(unsigned type, unsigned level, unsigned ways, unsigned sets) {
  return {type | (level << 5), (ways - 1) << 22 | 63, sets - 1, 0};
}

// 48 KB L1 data, 1 MB L2, 32 MB L3; no XSAVE, so neither AVX2 nor AVX-512.
FakeCpuid zen5WithSseOnly() {
  FakeCpuid cpu = engine_test::amd(0x1A, 2, 1);
  cpu.leaf1(0, 0, kSse)
      .brand("Test \"Zen 5\" Processor")
      .set(0x8000001Du, cache(1, 1, 12, 64), 0)
      .set(0x8000001Du, cache(3, 2, 16, 1024), 1)
      .set(0x8000001Du, cache(3, 3, 16, 32768), 2);
  return cpu;
}

struct Result {
  int exitCode;
  std::string out;
  std::string err;
};

class BenchRunTest : public ::testing::Test {
 protected:
  BenchRunTest() : cpu_(zen5WithSseOnly()) {
    env_.out = out_.file();
    env_.err = err_.file();
    env_.progress = false;
    env_.cpuid = &cpu_;
    env_.xcr0 = 0;
    env_.cpus = coreCpus();
    env_.availableMemory = availableMemory();
    env_.minSeconds = 0.001;
    setClock(3e9);
  }

  void setClock(double hz) {
    env_.clockHz = [hz] { return hz; };
  }

  Result run(const std::vector<std::string>& args) {
    const int exitCode = runBench(args, env_);
    return {exitCode, out_.text(), err_.text()};
  }

  FakeCpuid cpu_;
  CapturedOutput out_, err_;
  BenchEnvironment env_;
};

TEST_F(BenchRunTest, JsonHoldsTheMachineAndEveryPointInTableOrder) {
  setClock(1e12);  // so high that no real figure comes near the peak
  const Result result = run({"--json", "--size", "1K", "--repeat", "2", "--op", "latency", "--op",
                             "copy", "--op", "read"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const JsonValue json = parseJson(result.out);
  const JsonValue& machine = json["machine"];
  EXPECT_EQ(machine["processor"].text, "Test \"Zen 5\" Processor");
  EXPECT_EQ(machine["clock_hz"].number, 1e12);
  EXPECT_EQ(machine["caches"]["l1d_bytes"].number, 48 * 1024);
  EXPECT_EQ(machine["caches"]["l2_bytes"].number, 1024 * 1024);
  EXPECT_EQ(machine["caches"]["l3_bytes"].number, 32 * 1024 * 1024);
  EXPECT_EQ(machine["core"].text, "AMD Zen 5");
  ASSERT_EQ(machine["classes"].items.size(), 2u);
  EXPECT_EQ(machine["classes"].items[1].text, "sse");
  EXPECT_EQ(json["repeat"].number, 2);
  EXPECT_TRUE(json["errors"].items.empty());

  const char* const expected[][2] = {{"int64", "read"}, {"int64", "copy"},    {"sse", "read"},
                                     {"sse", "copy"},   {"int64", "latency"}, {"int64", "latency"}};
  const std::vector<JsonValue>& points = json["points"].items;
  ASSERT_EQ(points.size(), std::size(expected));
  for (std::size_t i = 0; i < points.size(); ++i) {
    const JsonValue& point = points[i];
    SCOPED_TRACE(expected[i][0] + std::string(" ") + expected[i][1]);
    EXPECT_EQ(point["class"].text, expected[i][0]);
    EXPECT_EQ(point["op"].text, expected[i][1]);
    EXPECT_EQ(point["bytes"].number, 1024);
    EXPECT_EQ(point["threads"].number, 1);
    EXPECT_GE(point["cv"].number, 0);
    if (point["op"].text == "latency") {
      EXPECT_EQ(point["best_bps"].kind, JsonValue::Kind::Null);
      EXPECT_EQ(point["median_bps"].kind, JsonValue::Kind::Null);
      EXPECT_GT(point["ns_per_load"].number, 0);
      EXPECT_GE(point["median_ns_per_load"].number, point["ns_per_load"].number);
      // Cycles at the 1 THz clock: a thousand per nanosecond.
      EXPECT_NEAR(point["cycles_per_load"].number, point["ns_per_load"].number * 1000, 1);
      EXPECT_FALSE(point.has("peak_percent"));
    } else {
      EXPECT_GT(point["median_bps"].number, 0);
      EXPECT_GE(point["best_bps"].number, point["median_bps"].number);
      // A level-1 point: its share of a peak taken at 1 THz is tiny but present.
      EXPECT_GT(point["peak_percent"].number, 0);
      EXPECT_LT(point["peak_percent"].number, 1);
      EXPECT_FALSE(point.has("ns_per_load"));
    }
  }
  EXPECT_EQ(points[4]["pages"].text, "4K");
  EXPECT_EQ(points[0]["pages"].text, "4K");
}

// With the clock faked to 1 MHz every bandwidth figure is far above the core's peak: each is an
// error, none a result, and the exit code says so.
TEST_F(BenchRunTest, FigureAboveThePeakIsAnErrorNotAResult) {
  setClock(1e6);
  const Result json = run({"--json", "--size", "1K", "--repeat", "1", "--class", "sse", "--op",
                           "read", "--op", "write", "--op", "latency"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_NE(json.err.find("2 figures above the core's peak"), std::string::npos) << json.err;
  const JsonValue document = parseJson(json.out);
  const std::vector<JsonValue>& errors = document["errors"].items;
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0]["op"].text, "read");
  EXPECT_EQ(errors[1]["op"].text, "write");
  EXPECT_TRUE(std::regex_search(errors[0]["message"].text,
                                std::regex(R"(^[0-9.]+ GB/s is above the peak of 1 core, )"
                                           R"([0-9.]+ GB/s at 0\.00 GHz$)")))
      << errors[0]["message"].text;
  ASSERT_EQ(document["points"].items.size(), 2u);
  for (const JsonValue& point : document["points"].items) EXPECT_EQ(point["op"].text, "latency");
}

TEST_F(BenchRunTest, TableShowsAnErrorRowInPlaceOfTheFigure) {
  setClock(1e6);
  const Result result = run({"--size", "2K", "--repeat", "1", "--class", "int64", "--op", "read"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(std::regex_search(
      result.out, std::regex(R"(\nint64 +read +2 KB +1  4K +ERROR: [0-9.]+ GB/s is above)")))
      << result.out;
  EXPECT_EQ(result.out.find("GB/s   "), std::string::npos) << "a figure was printed";
}

TEST_F(BenchRunTest, TableHasTheMachineLinesAndAlignedRows) {
  setClock(1e12);
  const Result result = run({"--from", "1K", "--to", "2K", "--repeat", "1", "--class", "sse",
                             "--op", "read,ntwrite,latency"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::istringstream lines(result.out);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_GE(rows.size(), 8u);
  EXPECT_EQ(rows[0], "Processor:   Test \"Zen 5\" Processor");
  EXPECT_EQ(rows[1].rfind("Core clock:  1000.00 GHz at start", 0), 0u) << rows[1];
  EXPECT_EQ(rows[2], "Caches:      L1d 48 KB, L2 1 MB, L3 32 MB");
  EXPECT_EQ(rows[3].rfind("Peak:        AMD Zen 5, bytes per core and cycle (read/write): "
                          "int64 32/16, sse 32/32",
                          0),
            0u)
      << rows[3];
  const std::size_t header = 7;
  ASSERT_EQ(rows[header].rfind("class", 0), 0u);
  // Three sizes of read and of ntwrite, then latency on both page sizes at each.
  ASSERT_EQ(rows.size(), header + 1 + 3 * 2 + 3 * 2);
  const std::size_t unit = rows[header].find("unit");
  for (std::size_t i = header + 1; i < rows.size(); ++i) {
    const bool latency = rows[i].find("latency") != std::string::npos;
    EXPECT_EQ(rows[i].find(latency ? "ns" : "GB/s"), unit) << rows[i];
  }
  EXPECT_TRUE(std::regex_search(rows[header + 1],
                                std::regex(R"(^sse +read +1 KB +1  4K +[0-9.]+ +[0-9.]+  GB/s)")));
  EXPECT_TRUE(std::regex_search(rows[header + 2], std::regex(R"(^sse +read +1.5 KB )")));
  EXPECT_TRUE(std::regex_search(rows[header + 1], std::regex(R"([0-9.]+%$)"))) << "peak share";
  EXPECT_TRUE(std::regex_search(rows[header + 4], std::regex(R"(^sse +ntwrite .*%$)")))
      << "cv only: ntwrite bypasses the level-1 cache";
  EXPECT_TRUE(std::regex_search(rows.back(),
                                std::regex(R"(^int64 +latency +2 KB .* ns .* [0-9]+\.[0-9]{2}$)")))
      << rows.back();
}

TEST_F(BenchRunTest, CsvHasOneFieldPerColumnOnEveryLine) {
  setClock(1e12);
  const Result result = run({"--csv", "--size", "4K", "--repeat", "1", "--class", "int64", "--op",
                             "write", "--op", "latency"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::istringstream lines(result.out);
  std::string line;
  std::vector<std::vector<std::string>> rows;
  while (std::getline(lines, line)) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) fields.push_back(cell);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    rows.push_back(fields);
  }
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0],
            (std::vector<std::string>{"class", "op", "bytes", "threads", "pages", "best_bps",
                                      "median_bps", "cv", "ns_per_load", "median_ns_per_load",
                                      "cycles_per_load", "peak_percent", "clock_hz", "error"}));
  for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size());
  EXPECT_EQ(rows[1][0], "int64");
  EXPECT_EQ(rows[1][1], "write");
  EXPECT_EQ(rows[1][2], "4096");
  EXPECT_GT(std::stod(rows[1][5]), 0);
  EXPECT_EQ(rows[1][8], "");
  EXPECT_EQ(rows[2][1], "latency");
  EXPECT_EQ(rows[2][5], "");
  EXPECT_GT(std::stod(rows[2][8]), 0);
  EXPECT_EQ(rows[2][12], "1000000000000");
}

TEST_F(BenchRunTest, AllThreadsRunOnePerCore) {
  setClock(1e12);
  const Result result = run({"--json", "--threads", "all", "--size", "1K", "--repeat", "1",
                             "--class", "int64", "--op", "read"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const JsonValue json = parseJson(result.out);
  EXPECT_EQ(json["cpus"].items.size(), env_.cpus.size());
  EXPECT_EQ(json["points"].items.at(0)["threads"].number, double(env_.cpus.size()));
}

TEST_F(BenchRunTest, ProgressLineOnlyOnATerminalAndOnlyForASweep) {
  setClock(1e12);
  env_.progress = true;
  const Result sweep = run({"--from", "1K", "--to", "1.5K", "--repeat", "1", "--class", "int64",
                            "--op", "read", "--csv"});
  ASSERT_EQ(sweep.exitCode, 0);
  EXPECT_EQ(sweep.err,
            "\r\033[K[1/2] int64 read 1 KB\r\033[K\r\033[K[2/2] int64 read 1.5 KB"
            "\r\033[K");
}

TEST_F(BenchRunTest, NoProgressLineForOnePointOrWithoutATerminal) {
  setClock(1e12);
  env_.progress = true;
  EXPECT_EQ(run({"--size", "1K", "--repeat", "1", "--class", "int64", "--op", "read"}).err, "");
  env_.progress = false;
  EXPECT_EQ(
      run({"--from", "1K", "--to", "2K", "--repeat", "1", "--class", "int64", "--op", "read"}).err,
      "");
}

TEST_F(BenchRunTest, BadUseExitsWithCode2AndOneMessage) {
  const struct {
    std::vector<std::string> args;
    std::uint64_t memory;
    const char* message;
  } cases[] = {
      {{"--size", "1K", "--bogus"},
       0,
       "vantora-bench: unknown option '--bogus'\nTry 'vantora-bench --help'.\n"},
      {{"--class", "avx2"}, 0, "vantora-bench: this processor and system do not offer avx2\n"},
      {{"--class", "sse,avx512"},
       0,
       "vantora-bench: this processor and system do not offer avx512\n"},
      {{"--threads", "4097"},
       0,
       "vantora-bench: --threads takes a number or 'all'\nTry 'vantora-bench --help'.\n"},
      {{"--size", "64M", "--class", "int64", "--op", "read"},
       16 * 1024 * 1024,
       "vantora-bench: the largest working set needs 66 MB of memory and the system has 16 MB "
       "free\n"},
      {{"--from", "512M", "--class", "int64"},
       0,
       "vantora-bench: --from 512 MB is above the sweep's end, 256 MB; give --to\n"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    env_.availableMemory = row.memory;
    CapturedOutput out, err;
    env_.out = out.file();
    env_.err = err.file();
    EXPECT_EQ(runBench(row.args, env_), 2);
    EXPECT_EQ(err.text(), row.message);
    EXPECT_EQ(out.text(), "");
  }
}

TEST_F(BenchRunTest, MoreThreadsThanCoresIsRefused) {
  env_.cpus = {0, 1, 2};
  const Result result = run({"--threads", "4", "--size", "1K"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "vantora-bench: --threads 4: only 3 cores to run on\n");
  env_.cpus.resize(1);
  const Result one = run({"--threads", "2", "--size", "1K"});
  EXPECT_EQ(one.exitCode, 2);
  EXPECT_EQ(one.err.substr(result.err.size()),
            "vantora-bench: --threads 2: only 1 core to run on\n");
}

}  // namespace
}  // namespace vbench
