// A small built program standing in for a companion file in the writer's tests.
#include <cstdio>

int main() {
  std::puts("carried sample");
  return 0;
}
