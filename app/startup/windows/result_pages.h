#pragma once

#include <QFont>
#include <QFrame>
#include <array>

class QLabel;

namespace startup {

// The font of the figure fields: narrow enough that two columns of the longest figure a machine
// shows fit the window's 612 pixels without cutting a text.
QFont FigureFont();

// A block result page TestPage(0..5): sixteen rows "1 KB" to "32768 KB" with a read and a write
// field each, Read1..Read16 and Write1..Write16 at the page's index.
class BlockPage : public QFrame {
  Q_OBJECT

 public:
  BlockPage(int page, QWidget* parent = nullptr);

  QLabel* ReadField(int row) const { return read_.at(row); }
  QLabel* WriteField(int row) const { return write_.at(row); }

 private:
  std::array<QLabel*, 16> read_{};
  std::array<QLabel*, 16> write_{};
};

// The memory result page TestPage(6): six row groups in two columns (Integer, MMX, SSE on the
// left; Float, MMX NT, SSE NT on the right), each with the fields MemRC, MemRS, MemRA, MemRT and
// MemRV at the row's index.
class MemoryPage : public QFrame {
  Q_OBJECT

 public:
  explicit MemoryPage(QWidget* parent = nullptr);

  // Subtest 0..4 (Copy, Scale, Add, Triad, Average) of row 0..5.
  QLabel* Field(int subtest, int row) const { return fields_.at(row).at(subtest); }

 private:
  std::array<std::array<QLabel*, 5>, 6> fields_{};
};

}  // namespace startup
