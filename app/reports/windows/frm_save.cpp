#include "frm_save.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "control_names.h"
#include "local_browser.h"

namespace reports {

frmSave::frmSave(const std::string& programFolder, const std::string& proposedFileName,
                 QWidget* parent)
    : QDialog(parent),
      programFolder_(programFolder),
      Label2_(new QLabel(QStringLiteral("Save Results to:"), this)),
      Label1_(new QLabel(QString::fromStdString(programFolder), this)),
      Image1_(new QToolButton(this)),
      Text1_(new QLineEdit(QString::fromStdString(proposedFileName), this)),
      Check1_(new QCheckBox(QStringLiteral("Inckude Windows Info"), this)),
      Command1_(new QPushButton(QStringLiteral("Save"), this)),
      Command2_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("frmSave"));
  setWindowTitle(QStringLiteral("frmSave"));
  widgets::NameControl(*Label2_, "Label2", -1, "Save Results to:");
  widgets::NameControl(*Label1_, "Label1", -1, "Folder");
  Label1_->setTextFormat(Qt::PlainText);
  Label1_->setFrameShape(QFrame::StyledPanel);
  Label1_->setMinimumWidth(320);
  widgets::NameControl(*Image1_, "Image1", -1, "Select Location for File");
  Image1_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  Image1_->setToolTip(QStringLiteral("Select Location for File"));
  widgets::NameControl(*Text1_, "Text1", -1, "File name");
  widgets::NameControl(*Check1_, "Check1", -1, "Inckude Windows Info");
  widgets::NameControl(*Command1_, "Command1", -1, "Save");
  widgets::NameControl(*Command2_, "Command2", -1, "Cancel");
  Command1_->setDefault(true);

  connect(Image1_, &QToolButton::clicked, this, &frmSave::ChooseFolder);
  connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(Label2_, 0, 0, 1, 2);
  layout->addWidget(Label1_, 1, 0);
  layout->addWidget(Image1_, 1, 1);
  layout->addWidget(Text1_, 2, 0, 1, 2);
  layout->addWidget(Check1_, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1_);
  buttons->addWidget(Command2_);
  layout->addLayout(buttons, 4, 0, 1, 2);
}

SaveChoice frmSave::Choice() const {
  return {Label1_->text().toStdString(), Text1_->text().toStdString(), Check1_->isChecked()};
}

void frmSave::ChooseFolder() {
  // A cancelled chooser keeps the folder shown before.
  const std::string folder = BrowseForFolder(this, programFolder_, "Select Location for File");
  if (!folder.empty()) {
    Label1_->setText(QString::fromStdString(folder));
  }
}

}  // namespace reports
