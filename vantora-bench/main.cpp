#include <string>
#include <vector>

#include "bench_run.h"

int main(int argc, char** argv) {
  const engine::ProcessorCpuid cpuid;
  return vbench::runBench(std::vector<std::string>(argv + 1, argv + argc),
                          vbench::processEnvironment(cpuid));
}
