// cpuid-report DUMPFILE: the report "RAM.exe -i" prints on a processor with the dump's CPUID
// values, for checking the report against processors that are not at hand.
#include <cstdio>

#include "cpu/cpuid_dump.h"
#include "cpu/processor_report.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cpuid-report DUMPFILE\n");
    return 2;
  }
  try {
    const engine::CpuidDump dump = engine::CpuidDump::load(argv[1]);
    engine::printProcessorReport(dump, stdout);
  } catch (const engine::CpuidDumpError& error) {
    std::fprintf(stderr, "cpuid-report: %s\n", error.what());
    return 1;
  }
  return 0;
}
