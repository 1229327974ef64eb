#include "miss_counters.h"

namespace cachemonitor {

MissRateMonitor::MissRateMonitor(std::unique_ptr<CounterBackend> backend)
    : backend_(std::move(backend)) {
  const std::vector<int> processors = backend_->Processors();
  for (const CacheCounter kind : {CacheCounter::kLevel1Data, CacheCounter::kLastLevel}) {
    Counter& counter = kind == CacheCounter::kLevel1Data ? level1Data_ : lastLevel_;
    if (processors.empty()) counter.error = "no online processor found";
    for (const int processor : processors) {
      CounterBackend::Opened opened = backend_->Open(kind, processor);
      if (!opened.error.empty()) {
        counter.error = std::move(opened.error);
        break;
      }
      counter.handles.push_back(opened.handle);
    }
    if (!counter.error.empty()) {
      for (const int handle : counter.handles) backend_->Close(handle);
      counter.handles.clear();
    }
  }
}

MissRateMonitor::~MissRateMonitor() {
  for (const Counter* counter : {&level1Data_, &lastLevel_}) {
    for (const int handle : counter->handles) backend_->Close(handle);
  }
}

bool MissRateMonitor::Counts(CacheCounter counter) const {
  return !(counter == CacheCounter::kLevel1Data ? level1Data_ : lastLevel_).handles.empty();
}

bool MissRateMonitor::Available() const {
  return Counts(CacheCounter::kLevel1Data) || Counts(CacheCounter::kLastLevel);
}

std::string MissRateMonitor::StatusLine() const {
  if (!Available()) {
    return "No hardware cache counters: " + level1Data_.error + "; showing the read sweeps alone.";
  }
  if (!Counts(CacheCounter::kLevel1Data)) {
    return "No level-1 data cache counter: " + level1Data_.error + ".";
  }
  if (!Counts(CacheCounter::kLastLevel)) {
    return "No last-level cache counter: " + lastLevel_.error + ".";
  }
  return {};
}

std::optional<CounterPair> MissRateMonitor::Total(const Counter& counter) {
  if (counter.handles.empty()) return std::nullopt;
  CounterPair total;
  for (const int handle : counter.handles) {
    const std::optional<CounterPair> counts = backend_->Read(handle);
    if (!counts) return std::nullopt;
    total.accesses += counts->accesses;
    total.misses += counts->misses;
  }
  return total;
}

std::optional<double> MissRateMonitor::SampleCounter(Counter& counter) {
  const std::optional<CounterPair> last = counter.last;
  const std::optional<CounterPair> total = Total(counter);
  counter.last = total;
  if (!last || !total || total->accesses <= last->accesses || total->misses < last->misses) {
    return std::nullopt;
  }
  return static_cast<double>(total->misses - last->misses) /
         static_cast<double>(total->accesses - last->accesses);
}

void MissRateMonitor::Restart() {
  level1Data_.last = Total(level1Data_);
  lastLevel_.last = Total(lastLevel_);
}

MissRates MissRateMonitor::Sample() {
  MissRates rates;
  rates.level1Data = SampleCounter(level1Data_);
  rates.lastLevel = SampleCounter(lastLevel_);
  return rates;
}

}  // namespace cachemonitor
