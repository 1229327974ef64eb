#include "bench_run.h"

#include <unistd.h>

#include <algorithm>
#include <memory>

#include "available_classes.h"
#include "core_clock.h"
#include "core_profile.h"
#include "cores.h"
#include "cpu/brand_string.h"
#include "cpu/cache_sizes.h"
#include "cpu/processor_signature.h"
#include "cpu/wide_vectors.h"
#include "options.h"
#include "output.h"
#include "point_result.h"
#include "point_runner.h"
#include "progress.h"
#include "sizes.h"

namespace vbench {
namespace {

constexpr int kBadUse = 2;
constexpr int kAbovePeak = 1;
constexpr double kMinSeconds = 0.01;

struct PlannedPoint {
  KernelEntry kernel;
  std::uint64_t bytes;
  PageSize pages;
};

// Every kernel chosen, over every size, in table order; latency with both page sizes.
std::vector<PlannedPoint> planPoints(const Options& options, const ClassSet& classes,
                                     const std::vector<std::uint64_t>& sizes) {
  auto chosen = [](const auto& list, auto value) {
    return list.empty() || std::find(list.begin(), list.end(), value) != list.end();
  };
  std::vector<PlannedPoint> points;
  for (const KernelEntry& kernel : kernelTable()) {
    if (!chosen(options.operations, kernel.operation)) continue;
    const bool latency = kernel.operation == Operation::Latency;
    if (!latency && !(chosen(options.classes, kernel.instructionClass) &&
                      classAvailable(kernel.instructionClass, classes))) {
      continue;
    }
    for (const std::uint64_t bytes : sizes) {
      if (latency) {
        points.push_back({kernel, bytes, PageSize::Small});
        points.push_back({kernel, bytes, PageSize::Large});
      } else {
        points.push_back({kernel, bytes, bytes >= kLargePage ? PageSize::Large : PageSize::Small});
      }
    }
  }
  return points;
}

// "avx512 read 16 KB"; latency names its page size, as it is measured with both.
std::string pointText(const PlannedPoint& point) {
  std::string text = std::string(className(point.kernel.instructionClass)) + " " +
                     operationName(point.kernel.operation) + " " + sizeText(point.bytes);
  if (point.kernel.operation == Operation::Latency) {
    text += point.pages == PageSize::Large ? ", 2 MB pages" : ", 4 KB pages";
  }
  return text;
}

std::uint64_t mappedBytes(std::uint64_t bytes, PageSize pages) {
  const std::uint64_t page = pages == PageSize::Large ? kLargePage : 4096;
  return (bytes + page - 1) / page * page + (pages == PageSize::Large ? kLargePage : 0);
}

class Run {
 public:
  explicit Run(const BenchEnvironment& env) : env_(env) {}

  int main(const std::vector<std::string>& args) {
    Options options;
    const std::string error = parseOptions(args, options);
    if (!error.empty()) return badUse(error + "\nTry 'vantora-bench --help'.");
    if (options.help) {
      std::fputs(usage().c_str(), env_.out);
      return 0;
    }
    std::string problem = describeMachine(options);
    std::vector<std::uint64_t> sizes;
    if (problem.empty()) problem = chooseSizes(options, sizes);
    if (!problem.empty()) return badUse(problem);
    const std::vector<PlannedPoint> points = planPoints(options, info_.classes, sizes);
    problem = checkMemory(points);
    if (!problem.empty()) return badUse(problem);

    WorkerPool pool(info_.cpus);
    if (!pool.error().empty()) return badUse(pool.error());
    pool.run([&](std::size_t worker) {
      if (worker == 0) info_.clockHz = env_.clockHz();
    });
    return measureAll(pool, points, options);
  }

 private:
  int badUse(const std::string& message) {
    std::fprintf(env_.err, "vantora-bench: %s\n", message.c_str());
    return kBadUse;
  }

  // The classes, threads, caches, name and peak; "" or why the run cannot be made.
  std::string describeMachine(const Options& options) {
    const engine::CpuidReader cpuid(*env_.cpuid);
    info_.classes = availableClasses(cpuid, env_.xcr0);
    for (const InstructionClass instructionClass : options.classes) {
      if (!classAvailable(instructionClass, info_.classes)) {
        return std::string("this processor and system do not offer ") + className(instructionClass);
      }
    }
    if (env_.cpus.empty()) return "no processor to run on";
    const std::size_t threads = options.threads == 0 ? env_.cpus.size() : options.threads;
    if (threads > env_.cpus.size()) {
      return "--threads " + std::to_string(threads) + ": only " + std::to_string(env_.cpus.size()) +
             (env_.cpus.size() == 1 ? " core" : " cores") + " to run on";
    }
    info_.cpus.assign(env_.cpus.begin(), env_.cpus.begin() + threads);
    info_.caches = engine::deterministicCacheSizes(cpuid);
    const engine::ProcessorSignature signature = engine::readSignature(cpuid);
    info_.processor = engine::brandString(cpuid);
    if (info_.processor.empty()) info_.processor = signature.vendorString;
    info_.profile = findCoreProfile(signature);
    info_.repeat = options.repeat;
    return {};
  }

  std::string chooseSizes(const Options& options, std::vector<std::uint64_t>& sizes) const {
    if (options.size != 0) {
      sizes = {options.size};
      return {};
    }
    const std::uint64_t from = options.from != 0 ? options.from : kSmallestSize;
    const std::uint64_t to = options.to != 0 ? options.to : defaultSweepEnd(info_.caches);
    if (from > to) {
      return "--from " + sizeText(from) + " is above the sweep's end, " + sizeText(to) +
             "; give --to";
    }
    sizes = sweepSizes(from, to);
    return {};
  }

  // Refuses a run whose largest point the system cannot hold, before anything is measured,
  // rather than letting the system end the program halfway.
  std::string checkMemory(const std::vector<PlannedPoint>& points) const {
    std::uint64_t largest = 0;
    for (const PlannedPoint& point : points) {
      largest = std::max(largest, mappedBytes(point.bytes, point.pages));
    }
    const std::uint64_t needed = largest * info_.cpus.size();
    if (env_.availableMemory == 0 || needed <= env_.availableMemory) return {};
    return "the largest working set needs " + sizeText(needed) + " of memory and the system has " +
           sizeText(env_.availableMemory) + " free";
  }

  int measureAll(WorkerPool& pool, const std::vector<PlannedPoint>& points,
                 const Options& options) {
    const std::unique_ptr<Output> output = makeOutput(options.format, env_.out);
    output->begin(info_);
    Progress progress(env_.err, env_.progress && points.size() > 1);
    int aboveThePeak = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PlannedPoint& planned = points[i];
      progress.show("[" + std::to_string(i + 1) + "/" + std::to_string(points.size()) + "] " +
                    pointText(planned));
      const PointMeasurement measurement =
          measurePoint(pool, {planned.kernel, planned.bytes, planned.pages, options.repeat,
                              env_.minSeconds, env_.clockHz});
      progress.clear();
      if (!measurement.error.empty()) {
        // The points so far stand; a JSON document is not written half.
        std::fflush(env_.out);
        return badUse(measurement.error);
      }
      const Point point = makePoint(planned.kernel, planned.bytes, planned.pages, measurement,
                                    pool.size(), peakCheck(planned, pool.size()));
      aboveThePeak += !point.error.empty();
      output->point(point);
      std::fflush(env_.out);
    }
    output->end();
    std::fflush(env_.out);
    if (aboveThePeak == 0) return 0;
    std::fprintf(env_.err, "vantora-bench: %d figure%s above the core's peak, reported as errors\n",
                 aboveThePeak, aboveThePeak == 1 ? "" : "s");
    return kAbovePeak;
  }

  PeakCheck peakCheck(const PlannedPoint& planned, std::size_t threads) const {
    PeakCheck check;
    if (info_.profile == nullptr) return check;
    check.bytesPerCycle =
        double(threads) * peakBytesPerCycle(*info_.profile, planned.kernel.instructionClass,
                                            planned.kernel.operation);
    check.levelOne = planned.bytes <= info_.caches.level1Data;
    return check;
  }

  const BenchEnvironment& env_;
  RunInfo info_;
};

}  // namespace

BenchEnvironment processEnvironment(const engine::CpuidSource& cpuid) {
  BenchEnvironment env;
  env.out = stdout;
  env.err = stderr;
  env.progress = isatty(STDERR_FILENO) != 0;
  env.cpuid = &cpuid;
  env.xcr0 = engine::processorXcr0();
  env.cpus = coreCpus();
  env.availableMemory = availableMemory();
  env.clockHz = measureCoreClockHz;
  env.minSeconds = kMinSeconds;
  return env;
}

int runBench(const std::vector<std::string>& args, const BenchEnvironment& env) {
  return Run(env).main(args);
}

}  // namespace vbench
