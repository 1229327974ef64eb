#pragma once

#include <string>

namespace results {

// Brings a figure text cut from an engine line to bytes per second, whichever engine build wrote
// it:
// - "MB/s" (the earlier build, decimal megabytes): the number times 1,000,000;
// - "Mb/s" (the earlier build under -r, binary megabytes): times 1,048,576;
// - " bps" (RAM.exe under -r, binary megabytes): times 1,048,576.
// The text then becomes the product in plain decimal followed by " Bps", and what followed the unit
// (a prefetch tag) is dropped. "MB/s" is found in any letter case; the case of its "B" tells
// decimal from binary megabytes, as the engines print it. A text in bytes per second, or one whose
// unit does not follow a number, comes back unchanged.
std::string NormaliseToBytesPerSecond(std::string text);

}  // namespace results
