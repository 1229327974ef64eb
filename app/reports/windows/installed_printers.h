#pragma once

#include <string>
#include <vector>

namespace reports {

// The printers of the system's print service (CUPS on Linux) in the order it lists them, and the
// default printer's name (empty when there is none).
struct InstalledPrinterList {
  std::vector<std::string> names;
  std::string defaultName;
};

InstalledPrinterList InstalledPrinters();

}  // namespace reports
