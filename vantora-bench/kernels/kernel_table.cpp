#include "kernels/kernel_table.h"

#include <cstring>
#include <iterator>

#include "kernels/bandwidth_kernels.h"
#include "kernels/pointer_chase.h"

namespace vbench {
namespace {

static_assert(kSizeGranule % kSweepChunk == 0 && kSizeGranule % (2 * kCopyChunk) == 0 &&
                  kSizeGranule % (2 * kLineBytes) == 0,
              "a working set of whole granules is whole chunks and at least two lines");

#define VB_CLASS_ROWS(instructionClass, kernels)           \
  {instructionClass, Operation::Read, kernels.read},       \
      {instructionClass, Operation::Write, kernels.write}, \
      {instructionClass, Operation::Copy, kernels.copy}, { \
    instructionClass, Operation::NtWrite, kernels.ntWrite  \
  }

const KernelEntry kRows[] = {
    VB_CLASS_ROWS(InstructionClass::Int64, kInt64Kernels),
    VB_CLASS_ROWS(InstructionClass::Sse, kSseKernels),
    VB_CLASS_ROWS(InstructionClass::Avx2, kAvx2Kernels),
    VB_CLASS_ROWS(InstructionClass::Avx512, kAvx512Kernels),
    {InstructionClass::Int64, Operation::Latency, chase},
};

}  // namespace

const char* className(InstructionClass instructionClass) {
  switch (instructionClass) {
    case InstructionClass::Int64:
      return "int64";
    case InstructionClass::Sse:
      return "sse";
    case InstructionClass::Avx2:
      return "avx2";
    case InstructionClass::Avx512:
      return "avx512";
  }
  return "";
}

const char* operationName(Operation operation) {
  switch (operation) {
    case Operation::Read:
      return "read";
    case Operation::Write:
      return "write";
    case Operation::Copy:
      return "copy";
    case Operation::NtWrite:
      return "ntwrite";
    case Operation::Latency:
      return "latency";
  }
  return "";
}

unsigned classWidth(InstructionClass instructionClass) {
  switch (instructionClass) {
    case InstructionClass::Int64:
      return 8;
    case InstructionClass::Sse:
      return 16;
    case InstructionClass::Avx2:
      return 32;
    case InstructionClass::Avx512:
      return 64;
  }
  return 0;
}

KernelRange kernelTable() { return {std::begin(kRows), std::end(kRows)}; }

bool findClass(const char* name, InstructionClass& found) {
  for (const KernelEntry& entry : kernelTable()) {
    if (std::strcmp(className(entry.instructionClass), name) == 0) {
      found = entry.instructionClass;
      return true;
    }
  }
  return false;
}

bool findOperation(const char* name, Operation& found) {
  for (const KernelEntry& entry : kernelTable()) {
    if (std::strcmp(operationName(entry.operation), name) == 0) {
      found = entry.operation;
      return true;
    }
  }
  return false;
}

}  // namespace vbench
