#include "worker_pool.h"

#include <pthread.h>
#include <sched.h>

#include <cstring>

namespace vbench {

void SpinBarrier::arriveAndWait() {
  const std::uint64_t generation = generation_.load(std::memory_order_acquire);
  if (arrived_.fetch_add(1, std::memory_order_acq_rel) + 1 == count_) {
    arrived_.store(0, std::memory_order_relaxed);
    generation_.store(generation + 1, std::memory_order_release);
    return;
  }
  while (generation_.load(std::memory_order_acquire) == generation) {
    __builtin_ia32_pause();
  }
}

WorkerPool::WorkerPool(const std::vector<int>& cpus) {
  for (std::size_t worker = 0; worker < cpus.size(); ++worker) {
    threads_.emplace_back(&WorkerPool::work, this, worker, cpus[worker]);
  }
  // Every thread reports whether it could pin itself before the pool is used.
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [&] { return started_ == threads_.size(); });
}

WorkerPool::~WorkerPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void WorkerPool::run(const std::function<void(std::size_t)>& job) {
  std::unique_lock<std::mutex> lock(mutex_);
  job_ = &job;
  busy_ = threads_.size();
  ++generation_;
  wake_.notify_all();
  done_.wait(lock, [&] { return busy_ == 0; });
  job_ = nullptr;
}

void WorkerPool::work(std::size_t worker, int cpu) {
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(cpu, &set);
  const int pinned = pthread_setaffinity_np(pthread_self(), sizeof set, &set);
  std::unique_lock<std::mutex> lock(mutex_);
  if (pinned != 0 && error_.empty()) {
    error_ =
        "cannot run a thread on processor " + std::to_string(cpu) + ": " + std::strerror(pinned);
  }
  ++started_;
  done_.notify_all();
  std::uint64_t seen = 0;
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
    if (stopping_) return;
    seen = generation_;
    const std::function<void(std::size_t)>& job = *job_;
    lock.unlock();
    job(worker);
    lock.lock();
    if (--busy_ == 0) done_.notify_all();
  }
}

}  // namespace vbench
