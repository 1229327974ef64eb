#include "installed_printers.h"

#include <QPrinterInfo>

namespace reports {

InstalledPrinterList InstalledPrinters() {
  InstalledPrinterList printers;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    printers.names.push_back(name.toStdString());
  }
  printers.defaultName = QPrinterInfo::defaultPrinterName().toStdString();
  return printers;
}

}  // namespace reports
