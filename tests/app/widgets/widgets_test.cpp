#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "message_box.h"
#include "qt_message_box.h"
#include "show_modal.h"

namespace {

// Presses `button` of the message box once it is open, and records what it showed.
struct BoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
};

void AnswerWhenOpen(QMessageBox::StandardButton button, BoxSeen& seen) {
  QTimer::singleShot(0, [button, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
    box->button(button)->click();
  });
}

TEST(QtMessageBox, ShowsTheMessageAndReturnsThePersonsAnswer) {
  const platform::MsgBoxHandler previous = platform::SetMsgBoxHandler({});
  widgets::InstallQtMessageBox();
  platform::SetApplicationTitle("Vantora");

  BoxSeen seen;
  AnswerWhenOpen(QMessageBox::Yes, seen);
  EXPECT_EQ(platform::MsgBox("An update is available", platform::MsgButtons::YesNo,
                             platform::MsgIcon::None, "Update"),
            platform::MsgAnswer::Yes);
  EXPECT_EQ(seen.title, "Update");
  EXPECT_EQ(seen.text, "An update is available");
  EXPECT_EQ(seen.buttons, 2);

  AnswerWhenOpen(QMessageBox::No, seen);
  EXPECT_EQ(platform::MsgBox("Again?", platform::MsgButtons::YesNo), platform::MsgAnswer::No);
  EXPECT_EQ(seen.title, "Vantora") << "the application's title when none is given";

  AnswerWhenOpen(QMessageBox::Ok, seen);
  EXPECT_EQ(platform::MsgBox("File or command not found", platform::MsgButtons::OK,
                             platform::MsgIcon::Critical),
            platform::MsgAnswer::OK);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, 1);
  platform::SetMsgBoxHandler(previous);
}

TEST(ShowModal, ATestDrivesTheDialogInPlaceOfAPerson) {
  QDialog dialog;
  auto* label = new QLabel(QStringLiteral("Compare TO"), &dialog);
  const widgets::ModalHandler previous = widgets::SetModalHandler([&](QDialog& shown) {
    EXPECT_EQ(&shown, &dialog);
    EXPECT_EQ(shown.findChild<QLabel*>()->text(), "Compare TO");
    shown.accept();
    return shown.result();
  });
  EXPECT_EQ(widgets::ShowModal(dialog), QDialog::Accepted);
  widgets::SetModalHandler(previous);

  // Restored: exec() runs the dialog, which a timer closes.
  QTimer::singleShot(0, &dialog, &QDialog::reject);
  EXPECT_EQ(widgets::ShowModal(dialog), QDialog::Rejected);
  EXPECT_EQ(label->parent(), &dialog);
}

}  // namespace
