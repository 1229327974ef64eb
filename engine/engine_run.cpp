#include "engine_run.h"

#include <cstdint>
#include <optional>

#include "benchmark_runs.h"
#include "benchmarks.h"
#include "cpu/processor_report.h"
#include "cpu/vector_features.h"
#include "run_settings.h"

namespace engine {
namespace {

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
  if (settings.arrayKilobytes > passVolumeKilobytes(settings)) {
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
  if (block != nullptr) return runBlockBenchmark(*block, settings, env.counterFrequency, out);
  return runMemoryBenchmark(*memory, settings, env.counterFrequency, out);
}

}  // namespace engine
