#include "web_page.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace widgets {
namespace {

bool OpenInBrowser(const std::string& address) {
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  return url.isValid() && !url.isRelative() && QDesktopServices::openUrl(url);
}

WebPageHandler& CurrentHandler() {
  static WebPageHandler handler = OpenInBrowser;
  return handler;
}

}  // namespace

bool OpenWebPage(const std::string& address) {
  // A copy, so that a handler may replace itself while it runs.
  const WebPageHandler handler = CurrentHandler();
  return handler(address);
}

WebPageHandler SetWebPageHandler(WebPageHandler handler) {
  if (!handler) {
    handler = OpenInBrowser;
  }
  return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace widgets
