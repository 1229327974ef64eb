// The "About" menu's entries driven as a person would: the information window in both modes, the
// RAM drive recommendation and the About window of each edition, through the modal-dialog, message
// and web page seams.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "about_menu.h"
#include "about_texts.h"
#include "cpu_features.h"
#include "message_box.h"
#include "program_state.h"
#include "show_modal.h"
#include "test_information.h"
#include "web_addresses.h"
#include "web_page.h"

namespace {

QString Shown(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Installs the seams for one test and records what goes through them, in order.
class AboutMenu : public testing::Test {
 protected:
  void SetUp() override {
    previousBox_ =
        platform::SetMsgBoxHandler([this](const std::string& text, platform::MsgButtons buttons,
                                          platform::MsgIcon, const std::string&) {
          events_.push_back("message: " + text);
          EXPECT_EQ(buttons, platform::MsgButtons::OK);
          return platform::MsgAnswer::OK;
        });
    previousPage_ = widgets::SetWebPageHandler([this](const std::string& address) {
      events_.push_back("page: " + address);
      return true;
    });
  }

  void TearDown() override {
    platform::SetMsgBoxHandler(previousBox_);
    widgets::SetWebPageHandler(previousPage_);
    widgets::SetModalHandler({});
  }

  // Opens the next modal window with `drive`, which acts on it and closes it.
  void WhenShown(std::function<void(QDialog&)> drive) {
    widgets::SetModalHandler([drive](QDialog& dialog) {
      drive(dialog);
      return dialog.result();
    });
  }

  state::ProgramState state_;
  std::vector<std::string> events_;
  platform::MsgBoxHandler previousBox_;
  widgets::WebPageHandler previousPage_;
};

TEST_F(AboutMenu, TestInfoThenCpuIdInfoShowBothTextsEachRebuiltWhenOpened) {
  struct Opening {
    void (*entry)(QWidget*, state::ProgramState&);
    int infoMode;
    QString caption;
    QString text;
  };
  state_.Edition = 1;
  const Opening openings[] = {
      {startup::ShowTestInfo, 2, "Test Information", Shown(startup::TestInformationText(1))},
      {startup::ShowCpuIdInfo, 1, "CPU ID Information", Shown(startup::CpuIdInformationText())},
      {startup::ShowTestInfo, 2, "Test Information", Shown(startup::TestInformationText(1))},
  };
  for (const Opening& opening : openings) {
    QString caption;
    QString text;
    bool readOnly = false;
    WhenShown([&](QDialog& window) {
      caption = window.windowTitle();
      const auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
      ASSERT_NE(box, nullptr);
      text = box->toPlainText();
      readOnly = box->isReadOnly();
      window.close();
    });
    opening.entry(nullptr, state_);
    EXPECT_EQ(state_.InfoMode, opening.infoMode);
    EXPECT_EQ(caption, opening.caption);
    EXPECT_EQ(text, opening.text);
    EXPECT_TRUE(readOnly);
  }
  EXPECT_TRUE(events_.empty());
}

TEST_F(AboutMenu, RamDriveSoftwareShowsTheMessageLetterForLetterThenTheVendorsPage) {
  startup::ShowRamDriveSoftware();
  const std::vector<std::string> expected = {
      "message: As you may have seen, the speed of RAM is far superior to a hard drive. I perfer "
      "to make a large RAMDisk and load my games for incredible speed. Dataram offers Free "
      "Ramdisk software for 4GB or Less and very reasonable price for larger.",
      "page: " + startup::RamDiskVendorPage()};
  EXPECT_EQ(events_, expected);
}

struct AboutSeen {
  QString caption;
  QString title;
  QString version;
  QString description;
  QString comment;
  bool contactVisible = true;
  int result = -1;
};

TEST_F(AboutMenu, AboutShowsTheEditionsTextsAndItsLabelsOpenThePages) {
  for (const int edition : {0, 1}) {
    SCOPED_TRACE(edition);
    events_.clear();
    state_.Edition = edition;
    AboutSeen seen;
    WhenShown([&](QDialog& window) {
      seen.caption = window.windowTitle();
      seen.title = window.findChild<QLabel*>(QStringLiteral("Label4_0"))->text();
      seen.version = window.findChild<QLabel*>(QStringLiteral("Label4_1"))->text();
      seen.description = window.findChild<QLabel*>(QStringLiteral("Label4_2"))->text();
      auto* comment = window.findChild<QLabel*>(QStringLiteral("Label1"));
      auto* contact = window.findChild<QLabel*>(QStringLiteral("Label2"));
      seen.comment = comment->text();
      seen.contactVisible = contact->isVisibleTo(&window);
      QTest::mouseClick(comment, Qt::LeftButton);
      if (seen.contactVisible) {
        QTest::mouseClick(contact, Qt::LeftButton);
      }
      window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    startup::ShowAbout(nullptr, state_);

    const startup::AboutTexts texts =
        startup::AboutTextsFor(edition, state_.ProgramVersion, state_.ProgramDate);
    EXPECT_EQ(seen.caption, "About");
    EXPECT_EQ(seen.title, QString::fromStdString(texts.title));
    EXPECT_EQ(seen.version, "Version: 0.10 21 Sep 12");
    EXPECT_EQ(seen.description, Shown(texts.description));
    EXPECT_EQ(seen.comment, "Send Suggestion/Comments to ");
    EXPECT_EQ(seen.contactVisible, edition == 1) << "the contact only in the Pellisto edition";
    std::vector<std::string> expected = {"page: " + startup::MakerPage()};
    if (edition == 1) {
      expected.push_back("page: " + startup::EngineAuthorsPage());
    }
    EXPECT_EQ(events_, expected);
  }
}

// Stands in for the desktop's browser behind Qt's desktop services.
class Browser : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

TEST(WebPage, TheDefaultHandlerAsksTheDesktopsBrowser) {
  Browser browser;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "Open");
  EXPECT_TRUE(widgets::OpenWebPage("https://vantora.example.com/engine/"));
  EXPECT_FALSE(widgets::OpenWebPage("not an address"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  ASSERT_EQ(browser.opened.size(), 1u);
  EXPECT_EQ(browser.opened.front(), QUrl(QStringLiteral("https://vantora.example.com/engine/")));
}

}  // namespace

#include "info_windows_test.moc"
