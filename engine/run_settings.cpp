#include "run_settings.h"

#include <climits>

#include "getopt.h"

namespace engine {
namespace {

bool isPowerOfTwo(std::uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int convertInteger(const char* text) {
  while (isBlank(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    value = value * 10 + (*text - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

ParsedCommandLine parseCommandLine(int argc, const char* const* argv, std::FILE* diagnostics) {
  ParsedCommandLine parsed;
  RunSettings& s = parsed.settings;
  OptionScanner scanner(argc, argv, "b:g:m:l:t:ri", diagnostics);
  for (int letter; (letter = scanner.next()) != OptionScanner::kEnd;) {
    const char* argument = scanner.argument();
    switch (letter) {
      case 'b': {
        const int id = convertInteger(argument);
        s.benchmarkId = id < 0 ? 0 : id;
        s.benchmarkGiven = true;
        break;
      }
      case 'g': {
        // Volumes above 2048 GB would overflow the 32-bit pass volume.
        const int gigabytes = convertInteger(argument);
        if (gigabytes <= 0 || !isPowerOfTwo(static_cast<std::uint32_t>(gigabytes)) ||
            static_cast<std::uint32_t>(gigabytes) > kMaxPassGigabytes) {
          parsed.outcome = ParseOutcome::InvalidPassSize;
          return parsed;
        }
        s.passGigabytes = static_cast<std::uint32_t>(gigabytes);
        break;
      }
      case 'm': {
        const int megabytes = convertInteger(argument);
        const std::uint64_t kilobytes = megabytes > 0 ? std::uint64_t(megabytes) * 1024 : 0;
        if (!isPowerOfTwo(kilobytes) || kilobytes > (std::uint64_t(1) << 31)) {
          parsed.outcome = ParseOutcome::InvalidArraySize;
          return parsed;
        }
        s.arrayKilobytes = static_cast<std::uint32_t>(kilobytes);
        break;
      }
      case 'l': {
        const int runs = convertInteger(argument);
        s.runs = runs < 1 ? 1 : runs;
        break;
      }
      case 't': {
        const int mode = convertInteger(argument);
        if (mode < 0 || mode > 2) {
          parsed.outcome = ParseOutcome::InvalidPrefetchMode;
          return parsed;
        }
        s.prefetchMode = static_cast<std::uint32_t>(mode);
        break;
      }
      case 'r':
        s.binaryUnits = true;
        break;
      case 'i':
        s.report = true;
        break;
      default:
        parsed.outcome = ParseOutcome::BadSwitch;
        return parsed;
    }
  }
  return parsed;
}

}  // namespace engine
