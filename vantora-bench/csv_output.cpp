// One header line and one line per point, with the JSON's field names; a field that does not
// apply to the point is empty.
#include <string>
#include <vector>

#include "output_text.h"

namespace vbench {
namespace {

const char* const kColumns[] = {
    "class",           "op",           "bytes",    "threads",     "pages",
    "best_bps",        "median_bps",   "cv",       "ns_per_load", "median_ns_per_load",
    "cycles_per_load", "peak_percent", "clock_hz", "error"};
enum Column { kBest = 5, kMedian, kCv, kNs, kMedianNs, kCycles, kPeak, kClock, kError, kCount };

class CsvOutput final : public Output {
 public:
  explicit CsvOutput(std::FILE* out) : out_(out) {}

  void begin(const RunInfo&) override {
    write(std::vector<std::string>(kColumns, kColumns + kCount));
  }

  void point(const Point& point) override {
    std::vector<std::string> fields = {className(point.instructionClass),
                                       operationName(point.operation), std::to_string(point.bytes),
                                       std::to_string(point.threads), point.pages};
    fields.resize(kCount);
    if (!point.error.empty()) {
      // The messages hold no quotes; quoting keeps their commas inside the field.
      fields[kError] = "\"" + point.error + "\"";
    } else if (point.operation == Operation::Latency) {
      fields[kCv] = fixed(point.nsPerLoad.cv, 6);
      fields[kNs] = fixed(point.nsPerLoad.best, 3);
      fields[kMedianNs] = fixed(point.nsPerLoad.median, 3);
      fields[kCycles] = fixed(point.cyclesPerLoad, 2);
      fields[kClock] = fixed(point.clockHz, 0);
    } else {
      fields[kBest] = fixed(point.bytesPerSecond.best, 0);
      fields[kMedian] = fixed(point.bytesPerSecond.median, 0);
      fields[kCv] = fixed(point.bytesPerSecond.cv, 6);
      if (point.peakPercent) {
        fields[kPeak] = fixed(*point.peakPercent, 1);
        fields[kClock] = fixed(point.clockHz, 0);
      }
    }
    write(fields);
  }

  void end() override {}

 private:
  void write(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : ",") + field;
    std::fprintf(out_, "%s\n", line.c_str());
  }

  std::FILE* out_;
};

}  // namespace

std::unique_ptr<Output> makeCsvOutput(std::FILE* out) { return std::make_unique<CsvOutput>(out); }

}  // namespace vbench
