#include "frm_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "control_names.h"

namespace reports {
namespace {

// A sheet with lines of text, upright or on its side: the pictures beside the orientations.
QIcon SheetPicture(bool landscape) {
  const QSize size = landscape ? QSize(32, 24) : QSize(24, 32);
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
  for (int y = 5; y < size.height() - 4; y += 4) {
    painter.drawLine(4, y, size.width() - 5, y);
  }
  return QIcon(picture);
}

QComboBox* NewEditableList(const QStringList& items, const QString& text, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems(items);
  combo->setCurrentText(text);
  return combo;
}

}  // namespace

frmPrint::frmPrint(const InstalledPrinterList& printers, const std::string& allResults,
                   const std::string& winBox, PagePrinter& printer, QWidget* parent)
    : QDialog(parent),
      rtfLap1_(allResults),
      winBox_(winBox),
      printer_(printer),
      lblPrinter_(new QLabel(QStringLiteral("Select Printer"), this)),
      cboPrinter_(new QComboBox(this)),
      Label1_(new QLabel(QStringLiteral("Copies"), this)),
      Combo1_(NewEditableList({"1", "2", "3", "4", "5"}, QStringLiteral("1"), this)),
      Label2_(new QLabel(QStringLiteral("Font Size"), this)),
      Combo2_(NewEditableList({"8", "10", "12", "14", "16"}, QStringLiteral("12"), this)),
      Label3_(new QLabel(QStringLiteral("Orientation"), this)),
      Option1_(new QRadioButton(QStringLiteral("Portrait"), this)),
      Option2_(new QRadioButton(QStringLiteral("Landscape"), this)),
      Check1_(new QCheckBox(QStringLiteral("Inckude Windows Info"), this)),
      cmdPrint_(new QPushButton(QStringLiteral("&Print"), this)),
      cmdExit_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral("Print"));
  widgets::NameControl(*lblPrinter_, "lblPrinter", -1, "Select Printer");
  widgets::NameControl(*cboPrinter_, "cboPrinter", -1, "Select Printer");
  widgets::NameControl(*Label1_, "Label1", -1, "Copies");
  widgets::NameControl(*Combo1_, "Combo1", -1, "Copies");
  widgets::NameControl(*Label2_, "Label2", -1, "Font Size");
  widgets::NameControl(*Combo2_, "Combo2", -1, "Font Size");
  widgets::NameControl(*Label3_, "Label3", -1, "Orientation");
  widgets::NameControl(*Option1_, "Option1", -1, "Portrait");
  widgets::NameControl(*Option2_, "Option2", -1, "Landscape");
  widgets::NameControl(*Check1_, "Check1", -1, "Inckude Windows Info");
  widgets::NameControl(*cmdPrint_, "cmdPrint", -1, "Print");
  widgets::NameControl(*cmdExit_, "cmdExit", -1, "Cancel");
  lblPrinter_->setBuddy(cboPrinter_);
  Label1_->setBuddy(Combo1_);
  Label2_->setBuddy(Combo2_);

  // The list tells whether a printer exists; the pages always go to the default printer.
  for (const std::string& name : printers.names) {
    cboPrinter_->addItem(QString::fromStdString(name));
  }
  cboPrinter_->setCurrentIndex(cboPrinter_->findText(
      QString::fromStdString(printers.defaultName), Qt::MatchFixedString | Qt::MatchCaseSensitive));
  Option1_->setChecked(true);
  Option1_->setIcon(SheetPicture(false));
  Option2_->setIcon(SheetPicture(true));
  Option1_->setIconSize(QSize(24, 32));
  Option2_->setIconSize(QSize(32, 24));
  cmdPrint_->setDefault(true);
  connect(cmdPrint_, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
  connect(cmdExit_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(lblPrinter_, 0, 0);
  layout->addWidget(cboPrinter_, 0, 1, 1, 2);
  layout->addWidget(Label1_, 1, 0);
  layout->addWidget(Combo1_, 1, 1);
  layout->addWidget(Label2_, 2, 0);
  layout->addWidget(Combo2_, 2, 1);
  layout->addWidget(Label3_, 3, 0);
  layout->addWidget(Option1_, 3, 1);
  layout->addWidget(Option2_, 3, 2);
  layout->addWidget(Check1_, 4, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdPrint_);
  buttons->addWidget(cmdExit_);
  layout->addLayout(buttons, 5, 0, 1, 3);
}

void frmPrint::cmdPrint_Click() {
  const PrintChoice choice{
      cboPrinter_->currentText().toStdString(), Combo1_->currentText().toStdString(),
      Combo2_->currentText().toStdString(), Option2_->isChecked(), Check1_->isChecked()};
  if (PrintDocument(choice, rtfLap1_, winBox_, printer_)) {
    accept();
  }
}

}  // namespace reports
