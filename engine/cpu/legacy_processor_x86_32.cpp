#include "cpu/legacy_processor.h"

namespace engine {
namespace {

constexpr unsigned kAlignmentCheckFlag = 0x40000;

// A 386 cannot set the alignment-check flag (bit 18 of EFLAGS).
bool alignmentCheckToggles() {
  unsigned before, after;
  __asm__ volatile(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl %2, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl"
      : "=&r"(before), "=&r"(after)
      : "i"(kAlignmentCheckFlag)
      : "cc");
  return ((before ^ after) & kAlignmentCheckFlag) != 0;
}

// NexGen's 8-bit division leaves the zero flag as it was; every other 386 class clears it.
bool divisionKeepsZeroFlag() {
  unsigned char zero;
  __asm__ volatile(
      "xorl %%eax, %%eax\n\t"
      "movw $5, %%ax\n\t"
      "movb $2, %%cl\n\t"
      "divb %%cl\n\t"
      "setz %0"
      : "=q"(zero)
      :
      : "eax", "ecx", "cc");
  return zero != 0;
}

// Cyrix's division leaves the low flags byte as it was (0x02: only the always-set bit 1).
bool divisionKeepsLowFlags() {
  unsigned char flags;
  __asm__ volatile(
      "xorl %%eax, %%eax\n\t"
      "sahf\n\t"
      "movw $5, %%ax\n\t"
      "movb $2, %%cl\n\t"
      "divb %%cl\n\t"
      "lahf\n\t"
      "movb %%ah, %0"
      : "=q"(flags)
      :
      : "eax", "ecx", "cc");
  return flags == 0x02;
}

}  // namespace

const char* nameWithoutCpuid() {
  if (!alignmentCheckToggles()) {
    return divisionKeepsZeroFlag() ? "NexGen 586 0.50u or 586FP 0.44u processor"
                                   : "[generic 386] processor";
  }
  return divisionKeepsLowFlags() ? "Cyrix 486 processor" : "[generic 486] processor";
}

}  // namespace engine
