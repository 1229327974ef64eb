#include "updater_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "update_flow.h"

namespace updater {

UpdaterWindow::UpdaterWindow(UpdateFlow& flow, QWidget* parent)
    : QWidget(parent),
      flow_(flow),
      status_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(QString("Cancel"), this)) {
  setWindowTitle(QString("Ambrel: %1 update").arg(flow.edition().name));
  status_->setObjectName("status");
  status_->setText(QString("Preparing the update of %1...").arg(flow.edition().name));
  status_->setWordWrap(true);
  progress_->setObjectName("progress");
  progress_->setRange(0, 0);
  progress_->setTextVisible(false);
  cancel_->setObjectName("cancel");
  cancel_->setAccessibleName(cancel_->text());

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(progress_);
  layout->addLayout(buttons);
  setMinimumWidth(420);

  connect(&flow_, &UpdateFlow::StatusChanged, status_, &QLabel::setText);
  connect(&flow_, &UpdateFlow::StatusChanged, this,
          [this] { cancel_->setEnabled(!flow_.Installing()); });
  connect(&flow_, &UpdateFlow::Progress, this, &UpdaterWindow::ShowProgress);
  connect(cancel_, &QPushButton::clicked, &flow_, &UpdateFlow::Cancel);
}

void UpdaterWindow::closeEvent(QCloseEvent* event) {
  if (flow_.Installing()) {
    event->ignore();
    return;
  }
  flow_.Cancel();
  event->accept();
}

void UpdaterWindow::ShowProgress(qint64 received, qint64 total) {
  if (total <= 0) {
    progress_->setRange(0, 0);
    return;
  }
  // The bar counts in kilobytes, so that a package larger than an int's range still fits.
  const auto kilobytes = [](qint64 bytes) {
    return static_cast<int>(std::min<qint64>(bytes / 1024, std::numeric_limits<int>::max()));
  };
  progress_->setRange(0, std::max(kilobytes(total), 1));
  progress_->setValue(std::min(kilobytes(received), progress_->maximum()));
}

}  // namespace updater
