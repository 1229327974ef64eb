#include "page_access_counter.h"

#include <signal.h>
#include <sys/mman.h>
#include <ucontext.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace engine_test {
namespace {

constexpr greg_t kTrapFlag = 0x100;
constexpr greg_t kWriteAccess = 0x2;  // bit of the page-fault error code
constexpr int kMaxWatched = 16;

struct Watched {
  char* page;
  AccessCounts counts;
};

Watched g_watched[kMaxWatched];
int g_watchedCount = 0;
char* g_openPage = nullptr;
struct sigaction g_previousSegv;
struct sigaction g_previousTrap;

char* pageOf(const void* address) {
  return reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(address) & ~(kPage - 1));
}

Watched* find(const void* page) {
  for (int i = 0; i < g_watchedCount; ++i) {
    if (g_watched[i].page == page) return &g_watched[i];
  }
  return nullptr;
}

void onFault(int, siginfo_t* info, void* context) {
  Watched* watched = find(pageOf(info->si_addr));
  if (watched == nullptr) {
    // Not ours: fault again with the usual action, so the crash is reported as such.
    sigaction(SIGSEGV, &g_previousSegv, nullptr);
    return;
  }
  greg_t* registers = static_cast<ucontext_t*>(context)->uc_mcontext.gregs;
  if (registers[REG_ERR] & kWriteAccess) {
    ++watched->counts.writes;
  } else {
    ++watched->counts.reads;
  }
  mprotect(watched->page, kPage, PROT_READ | PROT_WRITE);
  g_openPage = watched->page;
  registers[REG_EFL] |= kTrapFlag;
}

void onTrap(int, siginfo_t*, void* context) {
  greg_t* registers = static_cast<ucontext_t*>(context)->uc_mcontext.gregs;
  registers[REG_EFL] &= ~kTrapFlag;
  if (g_openPage != nullptr) mprotect(g_openPage, kPage, PROT_NONE);
  g_openPage = nullptr;
}

}  // namespace

GuardedBuffer::GuardedBuffer(std::size_t pages) : pages_(pages) {
  void* mapping = mmap(nullptr, (pages + 2) * kPage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) throw std::runtime_error("cannot map a guarded buffer");
  mapping_ = static_cast<char*>(mapping);
  mprotect(guardBefore(), kPage, PROT_NONE);
  mprotect(guardAfter(), kPage, PROT_NONE);
}

GuardedBuffer::~GuardedBuffer() { munmap(mapping_, (pages_ + 2) * kPage); }

PageAccessCounter::PageAccessCounter() {
  g_watchedCount = 0;
  g_openPage = nullptr;
  struct sigaction action = {};
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  action.sa_sigaction = onFault;
  sigaction(SIGSEGV, &action, &g_previousSegv);
  action.sa_sigaction = onTrap;
  sigaction(SIGTRAP, &action, &g_previousTrap);
}

PageAccessCounter::~PageAccessCounter() {
  stop();
  sigaction(SIGSEGV, &g_previousSegv, nullptr);
  sigaction(SIGTRAP, &g_previousTrap, nullptr);
}

void PageAccessCounter::watch(const void* page) {
  if (g_watchedCount == kMaxWatched || pageOf(page) != page) {
    throw std::invalid_argument("cannot watch this page");
  }
  g_watched[g_watchedCount++] = {pageOf(page), {}};
  mprotect(pageOf(page), kPage, PROT_NONE);
}

void PageAccessCounter::stop() {
  for (int i = 0; i < g_watchedCount; ++i) {
    mprotect(g_watched[i].page, kPage, PROT_READ | PROT_WRITE);
  }
}

AccessCounts PageAccessCounter::counts(const void* page) const {
  const Watched* watched = find(page);
  return watched == nullptr ? AccessCounts{} : watched->counts;
}

}  // namespace engine_test
