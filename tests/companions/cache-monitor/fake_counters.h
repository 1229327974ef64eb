// A counter backend for tests: counters that cannot be opened, or counts a test sets.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "miss_counters.h"

namespace cachemonitor {

struct FakeCounterState {
  std::vector<int> processors{0, 1};
  // Open fails with this phrase on these (counter, processor) pairs.
  std::map<std::pair<CacheCounter, int>, std::string> failures;
  std::map<std::pair<CacheCounter, int>, CounterPair> counts;
  std::set<std::pair<CacheCounter, int>> unreadable;
  // Added to a counter's counts at each read, so every interval counts this much per processor.
  std::map<CacheCounter, CounterPair> growthPerRead;
  std::set<int> open;
};

inline constexpr char kNoCounters[] = "this processor or virtual machine does not offer them";

class FakeCounterBackend final : public CounterBackend {
 public:
  explicit FakeCounterBackend(std::shared_ptr<FakeCounterState> state) : state_(std::move(state)) {}

  // Every counter fails to open, as on a machine without hardware cache counters.
  static std::unique_ptr<CounterBackend> Absent() {
    auto state = std::make_shared<FakeCounterState>();
    for (const CacheCounter counter : {CacheCounter::kLevel1Data, CacheCounter::kLastLevel}) {
      for (const int processor : state->processors)
        state->failures[{counter, processor}] = kNoCounters;
    }
    return std::make_unique<FakeCounterBackend>(state);
  }

  std::vector<int> Processors() const override { return state_->processors; }

  Opened Open(CacheCounter counter, int processor) override {
    const auto failure = state_->failures.find({counter, processor});
    if (failure != state_->failures.end()) return {-1, failure->second};
    const int handle = static_cast<int>(handles_.size());
    handles_.push_back({counter, processor});
    state_->open.insert(handle);
    return {handle, {}};
  }

  std::optional<CounterPair> Read(int handle) override {
    if (state_->open.count(handle) == 0 || state_->unreadable.count(handles_[handle]) != 0) {
      return std::nullopt;
    }
    CounterPair& counts = state_->counts[handles_[handle]];
    const CounterPair growth = state_->growthPerRead[handles_[handle].first];
    counts.accesses += growth.accesses;
    counts.misses += growth.misses;
    return counts;
  }

  void Close(int handle) override { state_->open.erase(handle); }

 private:
  std::shared_ptr<FakeCounterState> state_;
  std::vector<std::pair<CacheCounter, int>> handles_;
};

}  // namespace cachemonitor
