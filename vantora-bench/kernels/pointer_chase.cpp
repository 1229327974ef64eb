#include "kernels/pointer_chase.h"

#include <random>
#include <utility>

namespace vbench {

void linkChase(char* buffer, std::size_t bytes, std::uint64_t seed) {
  const std::size_t lines = bytes / kLineBytes;
  auto next = [buffer](std::size_t line) -> char*& {
    return *reinterpret_cast<char**>(buffer + line * kLineBytes);
  };
  for (std::size_t line = 0; line < lines; ++line) next(line) = buffer + line * kLineBytes;
  // Sattolo's shuffle: swapping each line's link with one of a line before it, never with its
  // own, turns the identity into a single cycle through all lines.
  std::mt19937_64 random(seed);
  for (std::size_t line = lines - 1; line > 0; --line) {
    std::swap(next(line), next(random() % line));
  }
}

static_assert(kChaseUnroll == 64, "the .rept count of the chase");

void chase(char* a, char*, std::size_t, std::uint64_t count, Lanes& lanes) {
  std::uint64_t rounds = count / kChaseUnroll;
  char* p = a;
  asm volatile(
      "1:\n\t"
      ".rept 64\n\t"
      "mov (%[p]), %[p]\n\t"
      ".endr\n\t"
      "decq %[rounds]\n\t"
      "jnz 1b\n\t"
      : [p] "+r"(p), [rounds] "+r"(rounds)
      :
      : "cc", "memory");
  lanes.words[0] = reinterpret_cast<std::uintptr_t>(p);
}

}  // namespace vbench
