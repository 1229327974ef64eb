// One JSON object, written once the run is over: the machine, the run's settings, the points,
// and the errors (figures above the core's peak, which are not results).
#include <string>
#include <vector>

#include "output_text.h"

namespace vbench {
namespace {

std::string quoted(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      json += escape;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

// The fields every point and every error start with.
std::string pointKey(const Point& point) {
  return "\"class\": " + quoted(className(point.instructionClass)) +
         ", \"op\": " + quoted(operationName(point.operation)) +
         ", \"bytes\": " + std::to_string(point.bytes) +
         ", \"threads\": " + std::to_string(point.threads) + ", \"pages\": " + quoted(point.pages);
}

class JsonOutput final : public Output {
 public:
  explicit JsonOutput(std::FILE* out) : out_(out) {}

  void begin(const RunInfo& run) override { run_ = run; }

  void point(const Point& point) override {
    if (!point.error.empty()) {
      errors_.push_back("{" + pointKey(point) + ", \"message\": " + quoted(point.error) + "}");
      return;
    }
    std::string json = "{" + pointKey(point);
    if (point.operation == Operation::Latency) {
      json +=
          ", \"best_bps\": null, \"median_bps\": null, \"cv\": " + fixed(point.nsPerLoad.cv, 6) +
          ", \"ns_per_load\": " + fixed(point.nsPerLoad.best, 3) +
          ", \"median_ns_per_load\": " + fixed(point.nsPerLoad.median, 3) +
          ", \"cycles_per_load\": " + fixed(point.cyclesPerLoad, 2) +
          ", \"clock_hz\": " + fixed(point.clockHz, 0);
    } else {
      json += ", \"best_bps\": " + fixed(point.bytesPerSecond.best, 0) +
              ", \"median_bps\": " + fixed(point.bytesPerSecond.median, 0) +
              ", \"cv\": " + fixed(point.bytesPerSecond.cv, 6);
      if (point.peakPercent) {
        json += ", \"peak_percent\": " + fixed(*point.peakPercent, 1) +
                ", \"clock_hz\": " + fixed(point.clockHz, 0);
      }
    }
    points_.push_back(json + "}");
  }

  void end() override {
    std::string classes, cpus;
    for (const KernelEntry& entry : kernelTable()) {
      if (entry.operation == Operation::Read &&
          classAvailable(entry.instructionClass, run_.classes)) {
        classes += (classes.empty() ? "" : ", ") + quoted(className(entry.instructionClass));
      }
    }
    for (const int cpu : run_.cpus) cpus += (cpus.empty() ? "" : ", ") + std::to_string(cpu);
    std::fprintf(out_, "{\n  \"machine\": {\n");
    std::fprintf(out_, "    \"processor\": %s,\n", quoted(run_.processor).c_str());
    std::fprintf(out_, "    \"clock_hz\": %.0f,\n", run_.clockHz);
    std::fprintf(out_,
                 "    \"caches\": {\"l1d_bytes\": %llu, \"l2_bytes\": %llu, \"l3_bytes\": %llu},\n",
                 (unsigned long long)run_.caches.level1Data, (unsigned long long)run_.caches.level2,
                 (unsigned long long)run_.caches.level3);
    std::fprintf(out_, "    \"core\": %s,\n",
                 run_.profile == nullptr ? "null" : quoted(run_.profile->name).c_str());
    std::fprintf(out_, "    \"classes\": [%s]\n  },\n", classes.c_str());
    std::fprintf(out_, "  \"cpus\": [%s],\n  \"repeat\": %d,\n", cpus.c_str(), run_.repeat);
    writeList("points", points_, ",\n");
    writeList("errors", errors_, "\n");
    std::fprintf(out_, "}\n");
  }

 private:
  void writeList(const char* name, const std::vector<std::string>& items, const char* after) {
    std::fprintf(out_, "  \"%s\": [", name);
    for (std::size_t i = 0; i < items.size(); ++i) {
      std::fprintf(out_, "%s\n    %s", i == 0 ? "" : ",", items[i].c_str());
    }
    std::fprintf(out_, "%s]%s", items.empty() ? "" : "\n  ", after);
  }

  std::FILE* out_;
  RunInfo run_;
  std::vector<std::string> points_;
  std::vector<std::string> errors_;
};

}  // namespace

std::unique_ptr<Output> makeJsonOutput(std::FILE* out) { return std::make_unique<JsonOutput>(out); }

}  // namespace vbench
