#include "engine_run.h"

#include <cstdint>
#include <optional>

#include "benchmarks.h"
#include "cpu/processor_report.h"
#include "cpu/vector_features.h"
#include "run_settings.h"

namespace engine {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitError = 1;

const char kOutOfMemory[] = "ERROR: out of memory";

bool hasFeature(const VectorFeatures& features, Feature needed) {
  switch (needed) {
    case Feature::None: return true;
    case Feature::Mmx: return features.mmx;
    case Feature::MmxPlus: return features.mmxPlus;
    case Feature::Sse: return features.sse;
  }
  return false;
}

const char* missingFeatureLine(Feature needed) {
  switch (needed) {
    case Feature::Mmx: return "ERROR: no MMX support available";
    case Feature::MmxPlus: return "ERROR: no MMX+ support available";
    default: return "ERROR: no SSE support available";
  }
}

// Bytes of `kilobytes`, or 0 when they exceed the address space.
std::size_t bytesOf(std::uint64_t kilobytes) {
  const std::uint64_t bytes = kilobytes * 1024;
  return bytes > SIZE_MAX ? 0 : static_cast<std::size_t>(bytes);
}

void printUsage(Output& out) {
  static const char* const kUsage[] = {
      "USAGE: pellisto-win32 -b ID [-g size] [-m size] [-l runs]",
      "",
      "  -b ID    benchmark to run, 1 to 18 (below)",
      "  -g size  gigabytes moved per measurement, a power of two (default 8)",
      "  -m size  megabytes per array and largest block, a power of two (default 32)",
      "  -l runs  runs of a memory benchmark, averaged in BatchRun mode (default 1)",
      "  -t mode  software prefetch of ids 15 and 18: 0 auto, 1 NTA, 2 T0 (default 0)",
      "  -r       rates in binary megabytes per second",
      "  -i       processor identification report",
      "",
      "   1 INTmark, writing         2 INTmark, reading         3 INTmem",
      "   4 FLOATmark, writing       5 FLOATmark, reading       6 FLOATmem",
      "   7 MMXmark, writing         8 MMXmark, reading         9 MMXmem",
      "  10 SSEmark, writing        11 SSEmark, reading        12 SSEmem",
      "  13 MMXmark (nt), writing   14 MMXmark (nt), reading   15 MMXmem (nt)",
      "  16 SSEmark (nt), writing   17 SSEmark (nt), reading   18 SSEmem (nt)",
  };
  for (const char* line : kUsage) out.text(line);
}

int runBlockBenchmark(const BlockBenchmark& benchmark, const RunSettings& settings,
                      std::uint32_t passVolumeKilobytes, std::uint64_t frequency, Output& out) {
  const double megabytes = settings.passGigabytes * 1024.0;
  for (std::uint64_t kilobytes = 1; kilobytes <= settings.arrayKilobytes; kilobytes *= 2) {
    const std::size_t bytes = bytesOf(kilobytes);
    const auto elapsed =
        bytes == 0 ? std::nullopt
                   : measureBlock(benchmark.placement, benchmark.fill, benchmark.kernel, bytes,
                                  static_cast<std::uint32_t>(passVolumeKilobytes / kilobytes),
                                  frequency);
    if (!elapsed) {
      out.errorAfterBlank(kOutOfMemory);
      return kExitError;
    }
    out.blockLine(benchmark.label, static_cast<std::uint32_t>(kilobytes),
                  out.rate(megabytes, *elapsed));
  }
  return kExitOk;
}

enum Subtest { kCopy, kScale, kAdd, kTriad, kSubtests };

const char* const kSubtestNames[kSubtests] = {"Copy:      ", "Scale:     ", "Add:       ",
                                              "Triad:     "};
const char kAverageName[] = "AVERAGE:   ";

// The prefetch variant of each subtest for prefetch modes 0 (auto), 1 (NTA) and 2 (T0).
constexpr Prefetch kPrefetchByMode[3][kSubtests] = {
    {Prefetch::Nta, Prefetch::Nta, Prefetch::T0, Prefetch::T0},
    {Prefetch::Nta, Prefetch::Nta, Prefetch::Nta, Prefetch::Nta},
    {Prefetch::T0, Prefetch::T0, Prefetch::T0, Prefetch::T0},
};

class MemoryRun {
 public:
  MemoryRun(const MemoryBenchmark& benchmark, const RunSettings& settings,
            std::uint32_t passVolumeKilobytes, std::uint64_t frequency, Output& out)
      : benchmark_(benchmark),
        settings_(settings),
        passes_(passVolumeKilobytes / settings.arrayKilobytes),
        bytes_(bytesOf(settings.arrayKilobytes)),
        frequency_(frequency),
        out_(out) {}

  int run() {
    const int runs = settings_.runs;
    if (runs > 1) {
      out_.format("%u-benchmark %s BatchRun mode", unsigned(runs), benchmark_.keyword);
      out_.text("");
    }
    double sums[kSubtests] = {};
    for (int r = 1; r <= runs; ++r) {
      if (runs > 1) out_.format("Benchmark #%u:", unsigned(r));
      double rates[kSubtests];
      for (int subtest = kCopy; subtest < kSubtests; ++subtest) {
        const auto rate = measure(static_cast<Subtest>(subtest));
        if (!rate) {
          out_.errorAfterBlank(kOutOfMemory);
          return kExitError;
        }
        rates[subtest] = *rate;
        sums[subtest] += *rate;
        out_.memoryLine(benchmark_.prefix, kSubtestNames[subtest], *rate, tag(subtest));
      }
      out_.text("---");
      out_.memoryLine(benchmark_.prefix, kAverageName,
                      (rates[kCopy] + rates[kScale] + rates[kAdd] + rates[kTriad]) * 0.25, nullptr);
      out_.text("");
    }
    if (runs > 1) {
      double total = 0;
      for (int subtest = kCopy; subtest < kSubtests; ++subtest) {
        out_.memoryLine(benchmark_.batchPrefix, kSubtestNames[subtest], sums[subtest] / runs,
                        tag(subtest));
        total += sums[subtest];
      }
      out_.text("---");
      out_.memoryLine(benchmark_.batchPrefix, kAverageName, total / (4.0 * runs), nullptr);
      if (benchmark_.blankAfterBatch) out_.text("");
    }
    return kExitOk;
  }

 private:
  const Prefetch* tag(int subtest) const {
    if (benchmark_.t0Kernels == nullptr) return nullptr;
    return &kPrefetchByMode[settings_.prefetchMode][subtest];
  }

  std::optional<double> measure(Subtest subtest) {
    const MemoryKernels& kernels =
        tag(subtest) != nullptr && *tag(subtest) == Prefetch::T0 ? *benchmark_.t0Kernels
                                                                  : *benchmark_.kernels;
    const MemoryKernel kernel = subtest == kCopy    ? kernels.copy
                                : subtest == kScale ? kernels.scale
                                : subtest == kAdd   ? kernels.add
                                                    : kernels.triad;
    const int sources = subtest == kCopy || subtest == kScale ? 1 : 2;
    if (bytes_ == 0) return std::nullopt;
    // The repeated Copy measures with the caches and pages in the state a first Copy leaves.
    const int measurements = subtest == kCopy && benchmark_.repeatCopy ? 2 : 1;
    std::optional<std::uint32_t> elapsed;
    for (int i = 0; i < measurements; ++i) {
      elapsed = measureMemory(benchmark_.placement, kernels.fill, kernel, sources, bytes_, passes_,
                              frequency_);
      if (!elapsed) return std::nullopt;
    }
    const double megabytes = settings_.passGigabytes * 1024.0 * (sources + 1);
    return out_.rate(megabytes, *elapsed);
  }

  const MemoryBenchmark& benchmark_;
  const RunSettings& settings_;
  const std::uint32_t passes_;
  const std::size_t bytes_;
  const std::uint64_t frequency_;
  Output& out_;
};

}  // namespace

int runEngine(int argc, const char* const* argv, Edition edition, const EngineEnvironment& env) {
  const ParsedCommandLine parsed = parseCommandLine(argc, argv, env.diagnostics);
  const RunSettings& settings = parsed.settings;
  Output out(env.out, edition, settings.binaryUnits);
  switch (parsed.outcome) {
    case ParseOutcome::Ok: break;
    case ParseOutcome::InvalidPassSize: out.errorAfterBlank("ERROR: invalid pass size"); return kExitError;
    case ParseOutcome::InvalidArraySize: out.errorAfterBlank("ERROR: invalid array size"); return kExitError;
    case ParseOutcome::InvalidPrefetchMode:
      out.errorAfterBlank("ERROR: invalid software prefetch mode");
      return kExitError;
    case ParseOutcome::BadSwitch: return kExitError;
  }

  if (settings.report) {
    printProcessorReport(*env.cpuid, env.out);
    return kExitOk;
  }

  const VectorFeatures features = detectVectorFeatures(CpuidReader(*env.cpuid));

  if (env.counterFrequency == 0) {
    out.errorAfterBlank("ERROR: no support for high-resolution time counters");
    return kExitError;
  }

  const int id = settings.benchmarkId;
  if (id == 0 || id > kLastBenchmarkId) {
    if (edition == Edition::Earlier) {
      if (settings.benchmarkGiven) {
        out.errorAfterBlank("ERROR: unknown benchmark ID");
      } else {
        printUsage(out);
      }
    }
    return kExitError;
  }

  // An array larger than the pass volume would make a pass count of 0.
  const std::uint32_t passVolumeKilobytes = settings.passGigabytes * 1048576u;
  if (settings.arrayKilobytes > passVolumeKilobytes) {
    out.errorAfterBlank("ERROR: invalid array size");
    return kExitError;
  }

  const BlockBenchmark* block = findBlockBenchmark(id);
  const MemoryBenchmark* memory = findMemoryBenchmark(id);
  const Feature needed = block != nullptr ? block->needs : memory->needs;
  if (!hasFeature(features, needed)) {
    out.text(missingFeatureLine(needed));
    return kExitError;
  }

  if (edition == Edition::Earlier) {
    out.text("pellisto-win32 v0.9 memory and cache benchmark engine (x86, Win32)");
    out.format("%uGb per pass mode", settings.passGigabytes);
    out.text("");
  }
  if (block != nullptr) {
    return runBlockBenchmark(*block, settings, passVolumeKilobytes, env.counterFrequency, out);
  }
  return MemoryRun(*memory, settings, passVolumeKilobytes, env.counterFrequency, out).run();
}

}  // namespace engine
