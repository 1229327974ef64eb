// "Save Results" as a person uses it: frmSave and the folder chooser driven through the
// modal-dialog seam, the file that arrives, and the message when nothing could be saved.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "dialog_driver.h"
#include "program_state.h"
#include "recorded_messages.h"
#include "results_menu.h"
#include "sandbox.h"
#include "save_file_name.h"

namespace {

const std::string kWinBox =
    "Host Name:                 TESTBOX\r\nOS Name:                   Linux";
const std::string kAllResults = "CPU: Test Processor\r\n\r\nINTEGER & WRITING\r\n1 Kb Block: 19";

template <typename Control>
Control* Find(QDialog& dialog, const char* name) {
  auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

class SaveResults : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(programFolder_);
    state_.ProgramWriteFolder = programFolder_;
  }

  // Runs "Save Results"; `onSave` acts on frmSave, `onChooser` on the folder chooser.
  void Save(std::function<void(QDialog&)> onSave,
            std::function<void(QFileDialog&)> onChooser = nullptr) {
    DialogDriver driver([&](QDialog& dialog) {
      if (auto* chooser = qobject_cast<QFileDialog*>(&dialog)) {
        ASSERT_TRUE(onChooser) << "the folder chooser opened unasked";
        onChooser(*chooser);
      } else {
        ASSERT_EQ(dialog.objectName(), "frmSave");
        onSave(dialog);
      }
    });
    reports::SaveResults(nullptr, state_, kWinBox, kAllResults);
  }

  std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  Sandbox sandbox_;
  std::string programFolder_ = sandbox_ / "program";
  state::ProgramState state_;
  RecordedMessages messages_;
};

TEST_F(SaveResults, ProposesTheProgramFolderAndANameOfNowAndSavesTheLogAsItIs) {
  QString caption, folder, name;
  bool checked = true;
  const QDateTime before = QDateTime::currentDateTime();
  Save([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    folder = Find<QLabel>(dialog, "Label1")->text();
    name = Find<QLineEdit>(dialog, "Text1")->text();
    checked = Find<QCheckBox>(dialog, "Check1")->isChecked();
    EXPECT_EQ(Find<QCheckBox>(dialog, "Check1")->text(), "Inckude Windows Info");
    EXPECT_EQ(Find<QLabel>(dialog, "Label2")->text(), "Save Results to:");
    Find<QPushButton>(dialog, "Command1")->click();
  });
  const QDateTime after = QDateTime::currentDateTime();

  EXPECT_EQ(caption, "frmSave");
  EXPECT_EQ(folder.toStdString(), programFolder_);
  EXPECT_TRUE(name.toStdString() == reports::ProposedFileName(before, QLocale::system()) ||
              name.toStdString() == reports::ProposedFileName(after, QLocale::system()))
      << name.toStdString();
  EXPECT_FALSE(checked);
  EXPECT_EQ(Entries(programFolder_), std::vector<std::string>{name.toStdString()});
  EXPECT_EQ(ReadFile(programFolder_ + "/" + name.toStdString()), kAllResults);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(SaveResults, TheChosenFolderNameAndSummaryGoIntoTheFile) {
  const std::string chosen = sandbox_ / "chosen";
  std::filesystem::create_directory(chosen);
  QString chooserTitle, chooserStart;
  Save(
      [&](QDialog& dialog) {
        Find<QToolButton>(dialog, "Image1")->click();
        EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text().toStdString(), chosen);
        Find<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("my results.txt"));
        Find<QCheckBox>(dialog, "Check1")->setChecked(true);
        Find<QPushButton>(dialog, "Command1")->click();
      },
      [&](QFileDialog& chooser) {
        chooserTitle = chooser.windowTitle();
        chooserStart = chooser.directory().absolutePath();
        EXPECT_EQ(chooser.fileMode(), QFileDialog::Directory);
        chooser.setDirectory(QString::fromStdString(chosen));
        static_cast<QDialog&>(chooser).accept();  // the chooser checks the folder as on OK
      });
  EXPECT_EQ(chooserTitle, "Select Location for File");
  EXPECT_EQ(chooserStart.toStdString(), programFolder_);
  EXPECT_EQ(ReadFile(chosen + "/my results.txt"), kWinBox + "\r\n" + kAllResults);
  EXPECT_TRUE(Entries(programFolder_).empty());
}

TEST_F(SaveResults, CancellingTheFolderChooserKeepsTheFolderShownBefore) {
  Save(
      [&](QDialog& dialog) {
        Find<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("kept.txt"));
        Find<QToolButton>(dialog, "Image1")->click();
        EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text().toStdString(), programFolder_);
        Find<QPushButton>(dialog, "Command1")->click();
      },
      [](QFileDialog& chooser) { chooser.reject(); });
  EXPECT_EQ(ReadFile(programFolder_ + "/kept.txt"), kAllResults);
  EXPECT_FALSE(std::filesystem::exists("/kept.txt"));
}

TEST_F(SaveResults, CancelEscapeAndTheCloseButtonSaveNothing) {
  const std::function<void(QDialog&)> ways[] = {
      [](QDialog& dialog) { Find<QPushButton>(dialog, "Command2")->click(); },
      [](QDialog& dialog) { dialog.close(); },
      [](QDialog& dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
      },
  };
  for (const auto& way : ways) {
    Save([&](QDialog& dialog) {
      Find<QCheckBox>(dialog, "Check1")->setChecked(true);
      way(dialog);
      EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
  }
  EXPECT_TRUE(Entries(programFolder_).empty());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(SaveResults, ResultsThatCannotBeSavedAreReportedInOneMessage) {
  struct Case {
    std::string programFolder;
    QString fileName;
    std::string reason;
  };
  const Case cases[] = {
      {sandbox_ / "missing/program", "run.txt",
       "The folder \"" + sandbox_ / "missing/program" + "\" could not be created: "},
      {programFolder_, "taken", "The file \"" + programFolder_ + "/taken\" could not be written: "},
  };
  std::filesystem::create_directory(programFolder_ + "/taken");
  for (const Case& c : cases) {
    messages_.shown.clear();
    state_.ProgramWriteFolder = c.programFolder;
    Save([&](QDialog& dialog) {
      Find<QLineEdit>(dialog, "Text1")->setText(c.fileName);
      Find<QPushButton>(dialog, "Command1")->click();
    });
    ASSERT_EQ(messages_.shown.size(), 1u);
    const RecordedMessages::Message& message = messages_.shown[0];
    const std::string expectedStart = "The results were not saved. " + c.reason;
    EXPECT_EQ(message.text.substr(0, expectedStart.size()), expectedStart) << message.text;
    EXPECT_GT(message.text.size(), expectedStart.size() + 1) << "the system's reason follows";
    EXPECT_EQ(message.icon, platform::MsgIcon::Critical);
    EXPECT_EQ(message.title, "Save Results");
  }
  EXPECT_EQ(Entries(programFolder_), std::vector<std::string>{"taken"});
  EXPECT_FALSE(std::filesystem::exists(sandbox_ / "missing"));
}

}  // namespace
