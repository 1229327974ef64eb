#include "output.h"

#include <cstdarg>

namespace engine {
namespace {

// Binary megabytes x 1048576 bytes / milliseconds x 1000 = bytes per second.
constexpr double kBytesPerSecondScale = 1048576.0 * 1000.0;
constexpr double kBinaryMegabytesScale = 1000.0;
constexpr double kDecimalMegabytesScale = kBytesPerSecondScale / 1e6;

}  // namespace

Output::Output(std::FILE* out, Edition edition, bool binaryUnits)
    : out_(out),
      edition_(edition),
      unit_(binaryUnits ? 'b' : 'B'),
      scale_(binaryUnits                    ? kBinaryMegabytesScale
             : edition == Edition::Current ? kBytesPerSecondScale
                                           : kDecimalMegabytesScale) {}

double Output::rate(double megabytes, std::uint32_t elapsedMilliseconds) const {
  return megabytes * scale_ / (elapsedMilliseconds == 0 ? 1 : elapsedMilliseconds);
}

void Output::printRate(double rate) {
  if (edition_ == Edition::Current) {
    std::fprintf(out_, "%.0f %cps", rate, unit_);
  } else {
    std::fprintf(out_, "%.2f M%c/s", rate, unit_);
  }
}

void Output::blockLine(const char* label, std::uint32_t kilobytes, double rate) {
  std::fprintf(out_, "%s %8u Kb block: ", label, kilobytes);
  printRate(rate);
  std::fputc('\n', out_);
}

void Output::memoryLine(const char* prefix, const char* subtest, double rate, const Prefetch* tag) {
  std::fprintf(out_, "%s%s", prefix, subtest);
  printRate(rate);
  if (tag != nullptr) {
    const bool nta = *tag == Prefetch::Nta;
    if (edition_ == Edition::Current) {
      std::fputs(nta ? "  [NTA]" : "  [T0]", out_);
    } else {
      std::fputs(nta ? "  [NTA prefetch]" : "  [T0 prefetch]", out_);
    }
  }
  std::fputc('\n', out_);
}

void Output::text(const char* line) {
  std::fputs(line, out_);
  std::fputc('\n', out_);
}

void Output::format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(out_, format, arguments);
  va_end(arguments);
  std::fputc('\n', out_);
}

void Output::errorAfterBlank(const char* line) {
  std::fputc('\n', out_);
  text(line);
}

}  // namespace engine
