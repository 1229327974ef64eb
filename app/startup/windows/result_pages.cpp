#include "result_pages.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "control_names.h"

namespace startup {
namespace {

constexpr const char* kBlockRows[16] = {
    "1 KB",   "2 KB",   "4 KB",    "8 KB",    "16 KB",   "32 KB",   "64 KB",    "128 KB",
    "256 KB", "512 KB", "1024 KB", "2048 KB", "4096 KB", "8192 KB", "16384 KB", "32768 KB"};

// The widest figure field a machine fills: a rate near a terabyte per second, a large loss
// against the previous run and a prefetch tag.
constexpr char kWidestFigure[] = "888,888,888,888 Bps (889 GB) [-88,888MB -100.0%] NTA";
// The room each of the two figure columns has at 96 dots per inch.
constexpr int kFigureColumnWidth = 262;

// A figure field, which a person may select to copy; a screen reader calls it by its row and
// column ("Read 1 KB", "Integer Copy").
QLabel* FigureField(QWidget* parent, const std::string& name, int index,
                    const std::string& caption) {
  auto* label = new QLabel(parent);
  widgets::NameControl(*label, name, index, caption);
  label->setFont(FigureFont());
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QLabel* Caption(QWidget* parent, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setFont(FigureFont());
  return label;
}

}  // namespace

QFont FigureFont() {
  static const QFont font = [] {
    QFont chosen(QStringLiteral("Liberation Sans Narrow"));
    chosen.setStyleHint(QFont::SansSerif);
    for (int size = 9; size >= 6; --size) {
      chosen.setPointSize(size);
      if (QFontMetrics(chosen).horizontalAdvance(QLatin1String(kWidestFigure)) <=
          kFigureColumnWidth) {
        break;
      }
    }
    return chosen;
  }();
  return font;
}

BlockPage::BlockPage(int page, QWidget* parent) : QFrame(parent) {
  widgets::NameControl(*this, "TestPage", page);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(0);
  grid->addWidget(Caption(this, "Read"), 0, 1);
  grid->addWidget(Caption(this, "Write"), 0, 2);
  for (int row = 0; row < 16; ++row) {
    grid->addWidget(Caption(this, kBlockRows[row]), row + 1, 0, Qt::AlignRight);
    read_[row] = FigureField(this, "Read" + std::to_string(row + 1), page,
                             std::string("Read ") + kBlockRows[row]);
    write_[row] = FigureField(this, "Write" + std::to_string(row + 1), page,
                              std::string("Write ") + kBlockRows[row]);
    grid->addWidget(read_[row], row + 1, 1);
    grid->addWidget(write_[row], row + 1, 2);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
}

MemoryPage::MemoryPage(QWidget* parent) : QFrame(parent) {
  widgets::NameControl(*this, "TestPage", 6);
  constexpr const char* kRowCaptions[6] = {"Integer", " MMX", "SSE", " Float", "MMX NT", "SSE NT"};
  constexpr const char* kSubtests[5] = {"Copy", "Scale", "Add", "Triad", "Aver"};
  constexpr const char* kSubtestNames[5] = {"Copy", "Scale", "Add", "Triad", "Average"};
  constexpr const char* kFieldNames[5] = {"MemRC", "MemRS", "MemRA", "MemRT", "MemRV"};
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(4, 2, 4, 2);
  QVBoxLayout* column = nullptr;
  for (int row = 0; row < 6; ++row) {
    if (row % 3 == 0) {
      column = new QVBoxLayout;
      column->setSpacing(4);
      columns->addLayout(column, 1);
    }
    auto* group = new QGridLayout;
    group->setVerticalSpacing(0);
    group->setHorizontalSpacing(6);
    QLabel* caption = Caption(this, kRowCaptions[row]);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    group->addWidget(caption, 0, 0, 1, 2);
    for (int subtest = 0; subtest < 5; ++subtest) {
      group->addWidget(Caption(this, kSubtests[subtest]), subtest + 1, 0);
      fields_[row][subtest] =
          FigureField(this, kFieldNames[subtest], row,
                      QString::fromUtf8(kRowCaptions[row]).trimmed().toStdString() + " " +
                          kSubtestNames[subtest]);
      group->addWidget(fields_[row][subtest], subtest + 1, 1);
    }
    group->setColumnStretch(1, 1);
    // The room the page has beyond the groups goes between them.
    column->addLayout(group);
    column->addStretch();
  }
}

}  // namespace startup
