#include <sched.h>

#include <fstream>
#include <set>
#include <string>

#include "cores.h"

namespace vbench {
namespace {

// The siblings of `cpu`'s core as the system lists them ("0,64", "2-3"); the processor's own
// number when the system does not say.
std::string coreOf(int cpu) {
  std::ifstream file("/sys/devices/system/cpu/cpu" + std::to_string(cpu) +
                     "/topology/thread_siblings_list");
  std::string siblings;
  if (std::getline(file, siblings) && !siblings.empty()) return siblings;
  return "cpu" + std::to_string(cpu);
}

}  // namespace

std::vector<int> coreCpus() {
  std::vector<int> cpus;
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return cpus;
  std::set<std::string> cores;
  for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
    if (CPU_ISSET(cpu, &allowed) && cores.insert(coreOf(cpu)).second) cpus.push_back(cpu);
  }
  return cpus;
}

}  // namespace vbench
