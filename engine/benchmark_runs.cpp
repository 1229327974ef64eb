#include "benchmark_runs.h"

#include <cstddef>
#include <optional>

#include "measurement.h"

namespace engine {
namespace {

const char kOutOfMemory[] = "ERROR: out of memory";

// Bytes of `kilobytes`, or 0 when they exceed the address space.
std::size_t bytesOf(std::uint64_t kilobytes) {
  const std::uint64_t bytes = kilobytes * 1024;
  return bytes > SIZE_MAX ? 0 : static_cast<std::size_t>(bytes);
}

}  // namespace

int runBlockBenchmark(const BlockBenchmark& benchmark, const RunSettings& settings,
                      std::uint64_t counterFrequency, Output& out) {
  const std::uint32_t volume = passVolumeKilobytes(settings);
  const double megabytes = settings.passGigabytes * 1024.0;
  for (std::uint64_t kilobytes = 1; kilobytes <= settings.arrayKilobytes; kilobytes *= 2) {
    const std::size_t bytes = bytesOf(kilobytes);
    const auto elapsed =
        bytes == 0 ? std::nullopt
                   : measureBlock(benchmark.placement, benchmark.fill, benchmark.kernel, bytes,
                                  static_cast<std::uint32_t>(volume / kilobytes),
                                  counterFrequency);
    if (!elapsed) {
      out.errorAfterBlank(kOutOfMemory);
      return kExitError;
    }
    out.blockLine(benchmark.label, static_cast<std::uint32_t>(kilobytes),
                  out.rate(megabytes, *elapsed));
  }
  return kExitOk;
}

namespace {

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
            std::uint64_t frequency, Output& out)
      : benchmark_(benchmark),
        settings_(settings),
        passes_(passVolumeKilobytes(settings) / settings.arrayKilobytes),
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

int runMemoryBenchmark(const MemoryBenchmark& benchmark, const RunSettings& settings,
                       std::uint64_t counterFrequency, Output& out) {
  return MemoryRun(benchmark, settings, counterFrequency, out).run();
}

}  // namespace engine
