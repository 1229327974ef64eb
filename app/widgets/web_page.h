#pragma once

#include <functional>
#include <string>

namespace widgets {

// Every web page the program shows opens through OpenWebPage, in the desktop's default browser
// (Qt's desktop services), so that a test can take the address in place of a browser. The program
// does not wait for the browser. Returns false when no browser could be asked to show the page.
using WebPageHandler = std::function<bool(const std::string& address)>;

bool OpenWebPage(const std::string& address);

// Installs `handler` (an empty one restores the desktop's browser) and returns the handler it
// replaces.
WebPageHandler SetWebPageHandler(WebPageHandler handler);

}  // namespace widgets
