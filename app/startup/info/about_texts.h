#pragma once

#include <string>

namespace startup {

// What the About window shows for an edition (0 Vantora, 1 Pellisto).
struct AboutTexts {
  std::string title;        // Label4(0)
  std::string version;      // Label4(1)
  std::string description;  // Label4(2), lines ending in CR LF
  std::string contact;      // Label2, the engine authors' contact
  bool showContact = false;
  std::string makerPage;    // opened by a click on Label1
  std::string contactPage;  // opened by a click on Label2
};

AboutTexts AboutTextsFor(int edition, const std::string& programVersion,
                         const std::string& programDate);

// The recommendation "RAM Drive Software" shows before it opens the vendor's page.
std::string RamDriveMessage();

}  // namespace startup
