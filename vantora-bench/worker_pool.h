// The measuring threads: one per chosen processor, pinned to it for the whole run, so a buffer
// is touched and measured by the same core every time.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vbench {

// Releases all its threads at once: the last to arrive opens it. Threads spin rather than sleep,
// so they leave within nanoseconds of each other.
class SpinBarrier {
 public:
  explicit SpinBarrier(std::size_t count) : count_(count) {}
  void arriveAndWait();

 private:
  const std::size_t count_;
  std::atomic<std::size_t> arrived_{0};
  std::atomic<std::uint64_t> generation_{0};
};

class WorkerPool {
 public:
  // Starts one thread per processor in `cpus`; check error() before use.
  explicit WorkerPool(const std::vector<int>& cpus);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Why a thread could not be pinned to its processor; empty when all were.
  const std::string& error() const { return error_; }
  std::size_t size() const { return threads_.size(); }

  // Runs `job(worker)` on every worker at once and returns when all have finished.
  void run(const std::function<void(std::size_t worker)>& job);

 private:
  void work(std::size_t worker, int cpu);

  std::vector<std::thread> threads_;
  std::string error_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  const std::function<void(std::size_t)>* job_ = nullptr;
  std::uint64_t generation_ = 0;
  std::size_t busy_ = 0;
  std::size_t started_ = 0;
  bool stopping_ = false;
};

}  // namespace vbench
