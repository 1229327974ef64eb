#pragma once

#include <QWidget>

namespace startup {

// The main window, "Memory and Cache Benchmark Utility".
class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
};

}  // namespace startup
