// The aligned table: a few lines on the machine and the run, then one row per point.
#include <cstdio>
#include <string>

#include "output.h"
#include "output_text.h"
#include "sizes.h"

namespace vbench {
namespace {

const char kRowFormat[] = "%-7s %-8s %12s %8s  %-5s %10s %10s  %-4s %7s %8s %7s";

// One row of the table; columns left empty leave no blanks at the end of the line.
template <typename... Fields>
void row(std::FILE* out, const char* format, Fields... fields) {
  char text[512];
  std::snprintf(text, sizeof text, format, fields...);
  std::string line = text;
  line.erase(line.find_last_not_of(' ') + 1);
  std::fprintf(out, "%s\n", line.c_str());
}

class TableOutput final : public Output {
 public:
  explicit TableOutput(std::FILE* out) : out_(out) {}

  void begin(const RunInfo& run) override {
    std::fprintf(out_, "Processor:   %s\n", run.processor.c_str());
    std::fprintf(out_,
                 "Core clock:  %.2f GHz at start; measured again around every run for the L1 "
                 "peak share and the cycles\n",
                 run.clockHz / 1e9);
    std::fprintf(out_, "Caches:      %s\n", cachesText(run.caches).c_str());
    std::fprintf(out_, "Peak:        %s\n", peakText(run).c_str());
    std::fprintf(out_, "Threads:     %s\n", threadsText(run.cpus).c_str());
    std::fprintf(out_,
                 "Figures:     best and median of %d runs after a warm-up, and their coefficient "
                 "of variation (cv); GB/s = 10^9 bytes/s\n\n",
                 run.repeat);
    row(out_, kRowFormat, "class", "op", "working set", "threads", "pages", "best", "median",
        "unit", "cv", "L1 peak", "cycles");
  }

  void point(const Point& point) override {
    const std::string size = sizeText(point.bytes);
    const std::string threads = std::to_string(point.threads);
    const char* const cls = className(point.instructionClass);
    const char* const op = operationName(point.operation);
    if (!point.error.empty()) {
      row(out_, "%-7s %-8s %12s %8s  %-5s ERROR: %s", cls, op, size.c_str(), threads.c_str(),
          point.pages, point.error.c_str());
      return;
    }
    if (point.operation == Operation::Latency) {
      row(out_, kRowFormat, cls, op, size.c_str(), threads.c_str(), point.pages,
          fixed(point.nsPerLoad.best, 2).c_str(), fixed(point.nsPerLoad.median, 2).c_str(), "ns",
          percent(point.nsPerLoad.cv).c_str(), "", fixed(point.cyclesPerLoad, 2).c_str());
      return;
    }
    const std::string peak = point.peakPercent ? fixed(*point.peakPercent, 1) + "%" : std::string();
    row(out_, kRowFormat, cls, op, size.c_str(), threads.c_str(), point.pages,
        fixed(point.bytesPerSecond.best / 1e9, 2).c_str(),
        fixed(point.bytesPerSecond.median / 1e9, 2).c_str(), "GB/s",
        percent(point.bytesPerSecond.cv).c_str(), peak.c_str(), "");
  }

  void end() override {}

 private:
  std::FILE* out_;
};

}  // namespace

std::unique_ptr<Output> makeTableOutput(std::FILE* out) {
  return std::make_unique<TableOutput>(out);
}

}  // namespace vbench
