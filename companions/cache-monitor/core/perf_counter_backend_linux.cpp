#include <linux/perf_event.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "perf_counter_backend.h"
#include "processor_list.h"

namespace cachemonitor {
namespace {

std::string Reason(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case EOPNOTSUPP:
    case EINVAL:
      return "this processor or virtual machine does not offer them";
    case EACCES:
    case EPERM:
      return "counting every process needs CAP_PERFMON or kernel.perf_event_paranoid at 0 or below";
    case ENOSYS:
      return "the kernel has no performance events";
    default:
      return std::strerror(error);
  }
}

std::uint64_t CacheConfig(CacheCounter counter, std::uint64_t result) {
  const std::uint64_t cache =
      counter == CacheCounter::kLevel1Data ? PERF_COUNT_HW_CACHE_L1D : PERF_COUNT_HW_CACHE_LL;
  return cache | (std::uint64_t{PERF_COUNT_HW_CACHE_OP_READ} << 8) | (result << 16);
}

int OpenEvent(std::uint64_t config, int processor, int group) {
  perf_event_attr attr;
  std::memset(&attr, 0, sizeof attr);
  attr.size = sizeof attr;
  attr.type = PERF_TYPE_HW_CACHE;
  attr.config = config;
  attr.read_format = PERF_FORMAT_GROUP;
  return static_cast<int>(
      ::syscall(SYS_perf_event_open, &attr, -1, processor, group, PERF_FLAG_FD_CLOEXEC));
}

// Each counter is a group of two events (accesses leading, misses), so both are counted over the
// same time even when the kernel multiplexes the processor's counters.
class PerfCounterBackend final : public CounterBackend {
 public:
  std::vector<int> Processors() const override {
    std::ifstream in("/sys/devices/system/cpu/online");
    std::ostringstream text;
    text << in.rdbuf();
    if (auto processors = ParseProcessorList(text.str())) return *processors;
    std::vector<int> processors;
    const long count = ::sysconf(_SC_NPROCESSORS_ONLN);
    for (int processor = 0; processor < count; ++processor) processors.push_back(processor);
    return processors;
  }

  Opened Open(CacheCounter counter, int processor) override {
    const int leader =
        OpenEvent(CacheConfig(counter, PERF_COUNT_HW_CACHE_RESULT_ACCESS), processor, -1);
    if (leader < 0) return {-1, Reason(errno)};
    const int member =
        OpenEvent(CacheConfig(counter, PERF_COUNT_HW_CACHE_RESULT_MISS), processor, leader);
    if (member < 0) {
      const int error = errno;
      ::close(leader);
      return {-1, Reason(error)};
    }
    groups_.push_back({leader, member});
    return {static_cast<int>(groups_.size() - 1), {}};
  }

  std::optional<CounterPair> Read(int handle) override {
    struct {
      std::uint64_t count;
      std::uint64_t values[2];
    } group;
    const ssize_t read = ::read(groups_.at(handle).leader, &group, sizeof group);
    if (read != static_cast<ssize_t>(sizeof group) || group.count != 2) return std::nullopt;
    return CounterPair{group.values[0], group.values[1]};
  }

  void Close(int handle) override {
    Group& group = groups_.at(handle);
    ::close(group.member);
    ::close(group.leader);
    group = {};
  }

 private:
  struct Group {
    int leader = -1;
    int member = -1;
  };
  std::vector<Group> groups_;
};

}  // namespace

std::unique_ptr<CounterBackend> MakePerfCounterBackend() {
  return std::make_unique<PerfCounterBackend>();
}

}  // namespace cachemonitor
