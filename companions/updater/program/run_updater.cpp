#include "run_updater.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

#include "download_site.h"
#include "message_box.h"
#include "messages.h"
#include "update_flow.h"
#include "updater_window.h"

namespace updater {

void InstallMessageBox() {
  platform::SetMsgBoxHandler([](const std::string& text, platform::MsgButtons buttons,
                                platform::MsgIcon icon, const std::string& title) {
    std::cerr << title << ": " << text << std::endl;
    QMessageBox box(icon == platform::MsgIcon::Critical      ? QMessageBox::Critical
                    : icon == platform::MsgIcon::Exclamation ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text),
                    buttons == platform::MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                           : QMessageBox::Ok);
    const int answer = box.exec();
    return answer == QMessageBox::Yes  ? platform::MsgAnswer::Yes
           : answer == QMessageBox::No ? platform::MsgAnswer::No
                                       : platform::MsgAnswer::OK;
  });
}

int RunUpdater(const QStringList& arguments, const PublicKey& trustedKey) {
  platform::SetApplicationTitle("Ambrel");
  const Edition* edition =
      arguments.size() == 2 ? EditionBySwitch(arguments[1].toStdString()) : nullptr;
  if (edition == nullptr) {
    platform::MsgBox(UsageMessage(), platform::MsgButtons::OK, platform::MsgIcon::Exclamation);
    return 2;
  }
  UpdateFlow flow({edition, QDir::currentPath().toStdString(), DownloadSite(), trustedKey,
                   UPDATER_PROGRAM_VERSION});
  UpdaterWindow window(flow);
  int exitCode = 1;
  QObject::connect(
      &flow, &UpdateFlow::Finished, [&](UpdateFlow::Outcome outcome, const QString& message) {
        window.hide();
        if (!message.isEmpty()) {
          platform::MsgBox(message.toStdString(), platform::MsgButtons::OK,
                           outcome == UpdateFlow::Outcome::Failed ? platform::MsgIcon::Critical
                                                                  : platform::MsgIcon::Exclamation);
        }
        exitCode = outcome == UpdateFlow::Outcome::Updated ? 0 : 1;
        QCoreApplication::quit();
      });
  window.show();
  QTimer::singleShot(0, &flow, &UpdateFlow::Start);
  QApplication::exec();
  return exitCode;
}

}  // namespace updater
