// The engine's output lines. RAM.exe prints whole bytes (or binary megabytes) per second; the
// earlier build Pellisto-win32.exe prints megabytes per second with two decimals and a few lines
// of its own.
#pragma once

#include <cstdint>
#include <cstdio>

namespace engine {

enum class Edition {
  Current,  // RAM.exe
  Earlier,  // Pellisto-win32.exe
};

enum class Prefetch { Nta, T0 };

class Output {
 public:
  Output(std::FILE* out, Edition edition, bool binaryUnits);

  Edition edition() const { return edition_; }

  // The rate of `megabytes` (binary) moved in `elapsedMilliseconds`, in the unit of the lines.
  // A measurement shorter than a millisecond is credited one millisecond, so the figure is a
  // lower bound instead of an infinite rate.
  double rate(double megabytes, std::uint32_t elapsedMilliseconds) const;

  void blockLine(const char* label, std::uint32_t kilobytes, double rate);
  // One subtest or AVERAGE line; `tag` names the prefetch variant of the non-temporal tests.
  void memoryLine(const char* prefix, const char* subtest, double rate, const Prefetch* tag);
  void text(const char* line);
  // A line made from a printf format, the newline added.
  void format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // An error line after an empty line, as every argument and platform error is printed.
  void errorAfterBlank(const char* line);

 private:
  void printRate(double rate);

  std::FILE* out_;
  Edition edition_;
  char unit_;
  double scale_;
};

}  // namespace engine
