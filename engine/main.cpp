// RAM.exe, and the earlier build Pellisto-win32.exe when ENGINE_EARLIER_BUILD is defined.
#include <cstdio>

#include "counter.h"
#include "cpu/cpuid_source.h"
#include "engine_run.h"

#ifdef ENGINE_EARLIER_BUILD
constexpr engine::Edition kEdition = engine::Edition::Earlier;
#else
constexpr engine::Edition kEdition = engine::Edition::Current;
#endif

int main(int argc, char** argv) {
  const engine::ProcessorCpuid cpuid;
  const engine::EngineEnvironment env{stdout, stderr, &cpuid, engine::counterFrequency()};
  return engine::runEngine(argc, argv, kEdition, env);
}
