// System-wide cache miss rates from the processor's hardware cache counters, where the kernel
// offers them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cachemonitor {

enum class CacheCounter { kLevel1Data, kLastLevel };

struct CounterPair {
  std::uint64_t accesses = 0;
  std::uint64_t misses = 0;
};

// Where the counts come from: the kernel's performance events, or a test's stand-in.
class CounterBackend {
 public:
  virtual ~CounterBackend() = default;

  struct Opened {
    int handle = -1;    // valid when error is empty
    std::string error;  // why the counter cannot be opened, as a short phrase
  };

  // The processors to count on (all online ones).
  virtual std::vector<int> Processors() const = 0;
  // Starts counting reads and read misses of `counter`'s cache on `processor`, for every process.
  virtual Opened Open(CacheCounter counter, int processor) = 0;
  // The counts since the counter was opened; nothing when it cannot be read.
  virtual std::optional<CounterPair> Read(int handle) = 0;
  virtual void Close(int handle) = 0;
};

// Misses per access over the time since the previous sample, as a fraction; nothing when the
// counter is absent, could not be read, or counted no access.
struct MissRates {
  std::optional<double> level1Data;
  std::optional<double> lastLevel;
};

class MissRateMonitor {
 public:
  // Opens both counters on every processor. A counter that fails on any processor is closed on
  // all of them and stays absent.
  explicit MissRateMonitor(std::unique_ptr<CounterBackend> backend);
  ~MissRateMonitor();
  MissRateMonitor(const MissRateMonitor&) = delete;
  MissRateMonitor& operator=(const MissRateMonitor&) = delete;

  bool Counts(CacheCounter counter) const;
  // Whether either counter counts.
  bool Available() const;
  // One line for the window: why there are no miss rates, or which counter is absent and why;
  // empty when both count.
  std::string StatusLine() const;

  // The rates since the previous Sample or Restart; there are none before the first of these.
  MissRates Sample();
  // Starts the next interval now, so what happens in between is left out of the next rates.
  void Restart();

 private:
  struct Counter {
    std::vector<int> handles;
    std::string error;
    std::optional<CounterPair> last;
  };

  // The counts on all processors; nothing when one of them cannot be read.
  std::optional<CounterPair> Total(const Counter& counter);
  std::optional<double> SampleCounter(Counter& counter);

  std::unique_ptr<CounterBackend> backend_;
  Counter level1Data_;
  Counter lastLevel_;
};

}  // namespace cachemonitor
