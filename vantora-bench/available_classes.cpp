#include "available_classes.h"

#include "cpu/wide_vectors.h"

namespace vbench {

ClassSet availableClasses(const engine::CpuidReader& cpuid, std::uint64_t xcr0) {
  const engine::WideVectors vectors = engine::detectWideVectors(cpuid, xcr0);
  ClassSet classes;
  classes.int64 = true;
  classes.sse = vectors.sse;
  classes.avx2 = vectors.avx2;
  classes.avx512 = vectors.avx512;
  return classes;
}

ClassSet machineClasses() {
  const engine::ProcessorCpuid processor;
  return availableClasses(engine::CpuidReader(processor), engine::processorXcr0());
}

bool classAvailable(InstructionClass instructionClass, const ClassSet& classes) {
  switch (instructionClass) {
    case InstructionClass::Int64:
      return classes.int64;
    case InstructionClass::Sse:
      return classes.sse;
    case InstructionClass::Avx2:
      return classes.avx2;
    case InstructionClass::Avx512:
      return classes.avx512;
  }
  return false;
}

}  // namespace vbench
