#include "frm_compare.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "control_names.h"
#include "show_files.h"

namespace results {

frmcompare::frmcompare(const std::vector<std::string>& entries, QWidget* parent)
    : QDialog(parent), List1(new QListWidget(this)) {
  widgets::NameControl(*this, "frmcompare");
  setWindowTitle(QStringLiteral("Compare TO"));
  widgets::NameControl(*List1, "List1", -1, "Compare TO");
  for (const std::string& entry : entries) {
    List1->addItem(QString::fromStdString(entry));
  }
  List1->setCurrentRow(-1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  widgets::NameControl(*ok, "Command1", -1, "OK");
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  widgets::NameControl(*cancel, "Command2", -1, "Cancel");
  ok->setAutoDefault(false);
  cancel->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(List1);
  layout->addLayout(buttons);
  resize(360, 240);

  connect(ok, &QPushButton::clicked, this, &frmcompare::Choose);
  connect(List1, &QListWidget::itemDoubleClicked, this, &frmcompare::Choose);
  connect(cancel, &QPushButton::clicked, this, [this] {
    choice_ = Choice::LastTest;
    reject();
  });
}

void frmcompare::Choose() {
  const QListWidgetItem* selected = List1->currentItem();
  if (selected && selected->isSelected()) {
    choice_ = Choice::Entry;
    chosen_ = List1->row(selected);
  }
  accept();
}

std::string CompareFilePathAfter(const frmcompare& window, const std::vector<std::string>& oldTest,
                                 const std::string& programWriteFolder,
                                 const std::string& current) {
  switch (window.UserChoice()) {
    case frmcompare::Choice::Entry: {
      const int index = *window.ChosenIndex();
      return index < static_cast<int>(oldTest.size())
                 ? ComparePath(programWriteFolder, oldTest[index])
                 : current;
    }
    case frmcompare::Choice::LastTest:
      return {};
    case frmcompare::Choice::Unchanged:
      break;
  }
  return current;
}

}  // namespace results
