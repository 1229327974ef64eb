// The command line. Class and operation names come from the kernel table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kernels/kernel_table.h"

namespace vbench {

enum class Format { Table, Json, Csv };

struct Options {
  std::vector<InstructionClass> classes;  // in table order; empty: every class on offer
  std::vector<Operation> operations;      // in table order; empty: every operation
  std::uint64_t size = 0;                 // --size; 0: a sweep
  std::uint64_t from = 0;                 // --from; 0: the smallest working set
  std::uint64_t to = 0;                   // --to; 0: from the caches
  int threads = 1;                        // 0: one per core (--threads all)
  int repeat = 5;
  Format format = Format::Table;
  bool help = false;
};

// Reads the arguments after the program name. Returns "" or what is wrong, in one sentence.
std::string parseOptions(const std::vector<std::string>& args, Options& options);

// The --help text.
std::string usage();

}  // namespace vbench
