#include "rate_units.h"

#include <cmath>
#include <limits>

#include "numeric_value.h"
#include "text_case.h"
#include "value_text.h"

namespace results {
namespace {

constexpr double kDecimalMegabyte = 1e6;
constexpr double kBinaryMegabyte = 1048576.0;

CutFigure Converted(std::string text, std::size_t unitAt, double bytesPerUnit) {
  const auto number = LeadingNumber(std::string_view(text).substr(0, unitAt));
  if (!number || !std::isfinite(*number * bytesPerUnit)) {
    return {std::move(text), std::nullopt};
  }
  // 17179.47 x 1000000 comes out as 17179470000.000002: a product within rounding noise of whole
  // bytes is whole bytes, so the stored figure does not carry a fraction the engine never printed.
  double bytes = *number * bytesPerUnit;
  const double whole = std::round(bytes);
  if (std::fabs(bytes - whole) <= std::fabs(bytes) * 4 * std::numeric_limits<double>::epsilon()) {
    bytes = whole;
  }
  return {settings::PlainDecimalText(bytes) + " Bps", bytes};
}

}  // namespace

CutFigure NormaliseToBytesPerSecond(std::string text) {
  const std::size_t megabytes = platform::FindNoCase(text, "MB/s");
  if (megabytes != std::string::npos) {
    const double unit = text[megabytes + 1] == 'b' ? kBinaryMegabyte : kDecimalMegabyte;
    return Converted(std::move(text), megabytes, unit);
  }
  const std::size_t binary = text.find(" bps");
  if (binary != std::string::npos) {
    return Converted(std::move(text), binary, kBinaryMegabyte);
  }
  return {std::move(text), std::nullopt};
}

}  // namespace results
