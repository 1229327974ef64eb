// Test fixtures that see every load and store a kernel makes on chosen pages.
#pragma once

#include <cstddef>

namespace engine_test {

constexpr std::size_t kPage = 4096;

// Whole pages between two inaccessible guard pages.
class GuardedBuffer {
 public:
  explicit GuardedBuffer(std::size_t pages);
  ~GuardedBuffer();
  GuardedBuffer(const GuardedBuffer&) = delete;
  GuardedBuffer& operator=(const GuardedBuffer&) = delete;

  char* data() const { return mapping_ + kPage; }
  std::size_t size() const { return pages_ * kPage; }
  char* page(std::size_t index) const { return data() + index * kPage; }
  char* guardBefore() const { return mapping_; }
  char* guardAfter() const { return data() + size(); }

 private:
  std::size_t pages_;
  char* mapping_;
};

struct AccessCounts {
  unsigned reads = 0;
  unsigned writes = 0;
};

// Counts the loads and stores that touch watched pages. A watched page is made inaccessible, so
// every access faults; the fault handler counts it (the page-fault error code tells a store from
// a load), opens the page and single-steps the one instruction, and the trap handler closes the
// page again. Prefetches do not fault and are not counted. One counter at a time.
class PageAccessCounter {
 public:
  PageAccessCounter();
  ~PageAccessCounter();
  PageAccessCounter(const PageAccessCounter&) = delete;
  PageAccessCounter& operator=(const PageAccessCounter&) = delete;

  // REQUIRES: `page` is page-aligned; at most 16 pages are watched.
  void watch(const void* page);
  // Leaves every watched page accessible again; their counts stay readable.
  void stop();
  AccessCounts counts(const void* page) const;
};

}  // namespace engine_test
