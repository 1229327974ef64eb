#include "point_result.h"

#include <vector>

#include "output_text.h"

namespace vbench {
namespace {

const char* pagesGot(PageSize pages, std::uint64_t bytes, std::size_t threads,
                     std::uint64_t largePageBytes) {
  if (pages == PageSize::Small || largePageBytes == 0) return "4K";
  const std::uint64_t wanted = threads * ((bytes + kLargePage - 1) / kLargePage * kLargePage);
  return largePageBytes >= wanted ? "2M" : "mixed";
}

std::string aboveThePeak(double bytesPerSecond, double peak, std::size_t threads, double clockHz) {
  return fixed(bytesPerSecond / 1e9, 2) + " GB/s is above the peak of " + std::to_string(threads) +
         (threads == 1 ? " core" : " cores") + ", " + fixed(peak / 1e9, 2) + " GB/s at " +
         fixed(clockHz / 1e9, 2) + " GHz";
}

}  // namespace

Point makePoint(const KernelEntry& kernel, std::uint64_t bytes, PageSize pages,
                const PointMeasurement& measurement, std::size_t threads, const PeakCheck& peak) {
  Point point;
  point.instructionClass = kernel.instructionClass;
  point.operation = kernel.operation;
  point.bytes = bytes;
  point.threads = threads;
  point.pages = pagesGot(pages, bytes, threads, measurement.largePageBytes);

  const Repeats& repeats = measurement.repeats;
  const bool latency = kernel.operation == Operation::Latency;
  std::vector<double> values;
  std::size_t best = 0;
  for (const RunTime& run : repeats.runs) {
    values.push_back(latency
                         ? run.seconds * 1e9 / double(repeats.count)
                         : double(threads) * double(bytes) * double(repeats.count) / run.seconds);
    const bool better = latency ? values.back() < values[best] : values.back() > values[best];
    if (better) best = values.size() - 1;
  }
  const RunTime& bestRun = repeats.runs[best];
  if (latency) {
    point.nsPerLoad = summarize(values, Better::Lower);
    point.cyclesPerLoad = point.nsPerLoad.best * bestRun.clockHz / 1e9;
    point.clockHz = bestRun.clockHz;
    return point;
  }
  point.bytesPerSecond = summarize(values, Better::Higher);
  if (peak.bytesPerCycle <= 0) return point;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double limit = peak.bytesPerCycle * repeats.runs[i].clockHz;
    if (values[i] > limit) {
      point.error = aboveThePeak(values[i], limit, threads, repeats.runs[i].clockHz);
      return point;
    }
  }
  if (peak.levelOne && kernel.operation != Operation::NtWrite) {
    point.clockHz = bestRun.clockHz;
    point.peakPercent = 100 * values[best] / (peak.bytesPerCycle * bestRun.clockHz);
  }
  return point;
}

}  // namespace vbench
