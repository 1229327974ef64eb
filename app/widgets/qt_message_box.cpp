#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "message_box.h"

namespace widgets {
namespace {

QMessageBox::Icon IconOf(platform::MsgIcon icon) {
  switch (icon) {
    case platform::MsgIcon::Critical:
      return QMessageBox::Critical;
    case platform::MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case platform::MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

platform::MsgAnswer Show(const std::string& text, platform::MsgButtons buttons,
                         platform::MsgIcon icon, const std::string& title) {
  QMessageBox box(
      IconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
      buttons == platform::MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
      QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MsgBox"));
  const int answer = box.exec();
  if (buttons == platform::MsgButtons::YesNo) {
    return answer == QMessageBox::Yes ? platform::MsgAnswer::Yes : platform::MsgAnswer::No;
  }
  return platform::MsgAnswer::OK;
}

}  // namespace

void InstallQtMessageBox() { platform::SetMsgBoxHandler(Show); }

}  // namespace widgets
