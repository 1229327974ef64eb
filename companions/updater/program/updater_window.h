#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace updater {

class UpdateFlow;

// The updater's small window: what it is doing, a progress bar for the package's download and a
// Cancel button. Closing it cancels like the button, until the files are being replaced.
class UpdaterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit UpdaterWindow(UpdateFlow& flow, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowProgress(qint64 received, qint64 total);

  UpdateFlow& flow_;
  QLabel* status_;
  QProgressBar* progress_;
  QPushButton* cancel_;
};

}  // namespace updater
