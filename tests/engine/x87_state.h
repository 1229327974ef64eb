// The x87 unit's state as the next x87 instruction finds it.
#pragma once

#include <cstdint>
#include <cstring>

namespace engine_test {

struct X87State {
  std::uint16_t control;
  std::uint16_t tags;  // two bits per register, 11 for empty: 0xFFFF is an empty stack
};

inline X87State x87State() {
  unsigned char environment[28];
  // FNSTENV masks every exception after storing; FLDENV puts the stored state back.
  asm volatile("fnstenv %0\n\tfldenv %0" : "=m"(environment));
  X87State state;
  std::memcpy(&state.control, environment, sizeof state.control);
  std::memcpy(&state.tags, environment + 8, sizeof state.tags);
  return state;
}

// 1 + 1 on the x87 stack; a stack left full (MMX without EMMS) gives NaN instead.
inline double x87OnePlusOne() {
  double sum;
  asm volatile("fld1\n\tfld1\n\tfaddp\n\tfstpl %0" : "=m"(sum));
  return sum;
}

}  // namespace engine_test
