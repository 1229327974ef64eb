// The switches of one engine run, read and validated in command-line order.
#pragma once

#include <cstdint>
#include <cstdio>

namespace engine {

struct RunSettings {
  int benchmarkId = 0;
  bool benchmarkGiven = false;            // -b appeared, even with a rejected value
  std::uint32_t passGigabytes = 8;        // -g, a power of two
  std::uint32_t arrayKilobytes = 32768;   // -m (given in megabytes), a power of two
  int runs = 1;                           // -l, at least 1
  std::uint32_t prefetchMode = 0;         // -t, 0..2
  bool binaryUnits = false;               // -r
  bool report = false;                    // -i
};

enum class ParseOutcome {
  Ok,
  InvalidPassSize,
  InvalidArraySize,
  InvalidPrefetchMode,
  BadSwitch,  // unknown letter or missing argument; the diagnostic is on the error stream
};

struct ParsedCommandLine {
  RunSettings settings;
  ParseOutcome outcome = ParseOutcome::Ok;
};

// The largest pass volume: g x 1048576 KB must fit in 32 bits.
constexpr std::uint32_t kMaxPassGigabytes = 2048;

ParsedCommandLine parseCommandLine(int argc, const char* const* argv, std::FILE* diagnostics);

// C atoi: leading white space, an optional sign, then decimal digits up to the first other
// character; 0 when there are none. Values beyond the 32-bit range saturate instead of wrapping.
int convertInteger(const char* text);

}  // namespace engine
