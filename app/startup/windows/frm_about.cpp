#include "frm_about.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "control_names.h"
#include "web_page.h"

namespace startup {
namespace {

QLabel* NewLabel(const std::string& text, const std::string& name, int index, QWidget* parent) {
  // The texts end their lines in CR LF; a label breaks lines at LF alone.
  const QString shown = QString::fromStdString(text).replace("\r\n", "\n");
  auto* label = new QLabel(shown, parent);
  widgets::NameControl(*label, name, index, shown.toStdString());
  return label;
}

// A label that opens a web page when clicked.
void MakeLink(QLabel& label, QObject& filter) {
  label.setCursor(Qt::PointingHandCursor);
  label.setStyleSheet(QStringLiteral("color: palette(link); text-decoration: underline;"));
  label.installEventFilter(&filter);
}

}  // namespace

frmAbout::frmAbout(const AboutTexts& texts, QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      Label4_{NewLabel(texts.title, "Label4", 0, this), NewLabel(texts.version, "Label4", 1, this),
              NewLabel(texts.description, "Label4", 2, this)},
      Label1_(NewLabel("Send Suggestion/Comments to ", "Label1", -1, this)),
      Label2_(NewLabel(texts.contact, "Label2", -1, this)),
      Command1_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));

  QFont titleFont = Label4_[0]->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  titleFont.setBold(true);
  Label4_[0]->setFont(titleFont);
  Label4_[2]->setWordWrap(true);
  MakeLink(*Label1_, *this);
  MakeLink(*Label2_, *this);
  Label2_->setVisible(texts.showContact);
  widgets::NameControl(*Command1_, "Command1", -1, "OK");
  Command1_->setDefault(true);
  connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  for (QLabel* label : Label4_) {
    layout->addWidget(label);
  }
  layout->addSpacing(8);
  layout->addWidget(Label1_);
  layout->addWidget(Label2_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1_);
  layout->addLayout(buttons);
  setMinimumWidth(520);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == Label1_) {
      widgets::OpenWebPage(texts_.makerPage);
      return true;
    }
    if (watched == Label2_) {
      widgets::OpenWebPage(texts_.contactPage);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace startup
