#pragma once

#include <optional>
#include <string>

namespace results {

// A figure text cut from an engine line, brought to bytes per second.
struct CutFigure {
  std::string text;
  // The figure the text now shows, when the conversion computed it; nothing for a text that was
  // already in bytes per second, or is no figure.
  std::optional<double> bytesPerSecond;
};

// Brings a figure text cut from an engine line to bytes per second, whichever engine build wrote
// it:
// - "MB/s" (the earlier build, decimal megabytes): the number times 1,000,000;
// - "Mb/s" (the earlier build under -r, binary megabytes): times 1,048,576;
// - " bps" (RAM.exe under -r, binary megabytes): times 1,048,576.
// The text then becomes the product in plain decimal followed by " Bps", and what followed the unit
// (a prefetch tag) is dropped. "MB/s" is found in any letter case; the case of its "B" tells
// decimal from binary megabytes, as the engines print it. A text in bytes per second, or one whose
// unit does not follow a finite number, comes back unchanged.
CutFigure NormaliseToBytesPerSecond(std::string text);

}  // namespace results
