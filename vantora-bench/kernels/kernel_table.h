// Every kernel the program measures, with its instruction class and operation. The option
// parser takes its names from here, the run measures its rows in order, and the tests walk it.
#pragma once

#include <cstddef>

#include "kernels/kernel.h"

namespace vbench {

enum class InstructionClass { Int64, Sse, Avx2, Avx512 };
enum class Operation { Read, Write, Copy, NtWrite, Latency };

const char* className(InstructionClass instructionClass);
const char* operationName(Operation operation);
// Bytes one load or store of the class moves.
unsigned classWidth(InstructionClass instructionClass);

struct KernelEntry {
  InstructionClass instructionClass;
  Operation operation;
  Kernel run;
};

struct KernelRange {
  const KernelEntry* first;
  const KernelEntry* last;
  const KernelEntry* begin() const { return first; }
  const KernelEntry* end() const { return last; }
};

// Every class's read, write, copy and ntwrite, then the latency chase, which is a chain of 64-bit
// loads: its row is of the int64 class.
KernelRange kernelTable();

// Working sets are multiples of this: whole chunks of every kernel, whole lines of the chase.
constexpr std::size_t kSizeGranule = 512;

// The class or operation called `name` in the table; false when none is.
bool findClass(const char* name, InstructionClass& found);
bool findOperation(const char* name, Operation& found);

}  // namespace vbench
