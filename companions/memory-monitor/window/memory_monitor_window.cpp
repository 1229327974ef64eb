#include "memory_monitor_window.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "memory_text.h"
#include "round_axis.h"

namespace memorymonitor {
namespace {

constexpr qint64 kHistoryMs = 5 * 60 * 1000;
constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString AmountText(std::uint64_t bytes, std::uint64_t total) {
  return Text(MemoryText(bytes) + " " + ShareText(bytes, total)).trimmed();
}

QLabel* AddFigure(QGridLayout* grid, const QString& caption, const QString& name, int row,
                  int column) {
  grid->addWidget(new QLabel(caption), row, column);
  auto* figure = new QLabel(QStringLiteral("-"));
  figure->setObjectName(name);
  grid->addWidget(figure, row, column + 1);
  return figure;
}

QLineSeries* AddSeries(QChart* chart, const QString& name, QDateTimeAxis* time, QValueAxis* y) {
  auto* series = new QLineSeries;
  series->setName(name);
  chart->addSeries(series);
  series->attachAxis(time);
  series->attachAxis(y);
  return series;
}

void Append(QLineSeries* series, qint64 now, double value, double& highest) {
  series->append(static_cast<qreal>(now), value);
  int old = 0;
  while (old < series->count() && series->at(old).x() < now - kHistoryMs) ++old;
  if (old > 0) series->removePoints(0, old);
  for (const QPointF& point : series->points()) highest = std::max(highest, point.y());
}

}  // namespace

MemoryMonitorWindow::MemoryMonitorWindow(std::unique_ptr<MemorySampler> sampler,
                                         std::chrono::milliseconds interval, QWidget* parent)
    : QWidget(parent), sampler_(std::move(sampler)) {
  setWindowTitle(QStringLiteral("Memory Monitor"));
  auto* layout = new QVBoxLayout(this);

  auto* grid = new QGridLayout;
  total_ = AddFigure(grid, QStringLiteral("Total:"), QStringLiteral("total"), 0, 0);
  used_ = AddFigure(grid, QStringLiteral("Used:"), QStringLiteral("used"), 1, 0);
  available_ = AddFigure(grid, QStringLiteral("Available:"), QStringLiteral("available"), 2, 0);
  cache_ = AddFigure(grid, QStringLiteral("Cached:"), QStringLiteral("cached"), 3, 0);
  swapUsed_ = AddFigure(grid, QStringLiteral("Swap used:"), QStringLiteral("swapUsed"), 4, 0);
  pageFaults_ = AddFigure(grid, QStringLiteral("Page faults:"), QStringLiteral("pageFaults"), 0, 2);
  majorPageFaults_ = AddFigure(grid, QStringLiteral("Major page faults:"),
                               QStringLiteral("majorPageFaults"), 1, 2);
  swapIn_ = AddFigure(grid, QStringLiteral("Swapped in:"), QStringLiteral("swapIn"), 2, 2);
  swapOut_ = AddFigure(grid, QStringLiteral("Swapped out:"), QStringLiteral("swapOut"), 3, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  problem_ = new QLabel;
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setWordWrap(true);
  problem_->hide();
  layout->addWidget(problem_);

  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Memory use (GiB)"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  timeAxis_ = new QDateTimeAxis;
  timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
  timeAxis_->setTickCount(6);
  memoryAxis_ = new QValueAxis;
  memoryAxis_->setLabelFormat(QStringLiteral("%g"));
  memoryAxis_->setRange(0, 1);
  chart->addAxis(timeAxis_, Qt::AlignBottom);
  chart->addAxis(memoryAxis_, Qt::AlignLeft);
  usedSeries_ = AddSeries(chart, QStringLiteral("Used"), timeAxis_, memoryAxis_);
  cacheSeries_ = AddSeries(chart, QStringLiteral("Cached"), timeAxis_, memoryAxis_);
  swapSeries_ = AddSeries(chart, QStringLiteral("Swap used"), timeAxis_, memoryAxis_);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(now - kHistoryMs),
                      QDateTime::fromMSecsSinceEpoch(now));
  auto* view = new QChartView(chart);
  view->setObjectName(QStringLiteral("memoryChart"));
  view->setAccessibleName(chart->title());
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(560, 260);
  layout->addWidget(view, 1);

  processes_ = new QTableWidget(0, 3);
  processes_->setObjectName(QStringLiteral("topProcesses"));
  processes_->setHorizontalHeaderLabels(
      {QStringLiteral("PID"), QStringLiteral("Process"), QStringLiteral("Resident")});
  processes_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  processes_->verticalHeader()->hide();
  processes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  processes_->setSelectionMode(QAbstractItemView::NoSelection);
  processes_->setFocusPolicy(Qt::NoFocus);
  processes_->setMinimumHeight(processes_->horizontalHeader()->sizeHint().height() +
                               10 * processes_->verticalHeader()->defaultSectionSize() + 4);
  layout->addWidget(processes_);

  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &MemoryMonitorWindow::SampleAndDraw);
  resize(720, 760);
}

MemoryMonitorWindow::~MemoryMonitorWindow() = default;

void MemoryMonitorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (timer_.isActive()) return;
  timer_.start();
  SampleAndDraw();
}

void MemoryMonitorWindow::SampleAndDraw() {
  const MemorySample sample = sampler_->Sample();
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  double highest = 0;
  if (sample.memory) {
    const MemInfo& memory = *sample.memory;
    total_->setText(Text(MemoryText(memory.total)));
    used_->setText(AmountText(memory.Used(), memory.total));
    available_->setText(AmountText(memory.available, memory.total) +
                        (memory.availableEstimated ? QStringLiteral(", estimated") : QString()));
    cache_->setText(AmountText(memory.Cache(), memory.total));
    swapUsed_->setText(memory.swapTotal == 0
                           ? QStringLiteral("no swap")
                           : Text(MemoryText(memory.SwapUsed()) + " of " +
                                  MemoryText(memory.swapTotal) + " " +
                                  ShareText(memory.SwapUsed(), memory.swapTotal)));
    Append(usedSeries_, now, static_cast<double>(memory.Used()) / kGiB, highest);
    Append(cacheSeries_, now, static_cast<double>(memory.Cache()) / kGiB, highest);
    Append(swapSeries_, now, static_cast<double>(memory.SwapUsed()) / kGiB, highest);
  }
  pageFaults_->setText(Text(EventRateText(sample.rates.pageFaults)));
  majorPageFaults_->setText(Text(EventRateText(sample.rates.majorPageFaults)));
  swapIn_->setText(Text(TransferRateText(sample.rates.swapInBytes)));
  swapOut_->setText(Text(TransferRateText(sample.rates.swapOutBytes)));
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(now - kHistoryMs),
                      QDateTime::fromMSecsSinceEpoch(now));
  if (highest > 0) monitorchart::ScaleToRoundNumbers(memoryAxis_, highest);

  const auto& processes = sample.top.processes;
  processes_->setRowCount(static_cast<int>(processes.size()));
  for (std::size_t i = 0; i < processes.size(); ++i) {
    const int row = static_cast<int>(i);
    auto* pid = new QTableWidgetItem(QString::number(processes[i].pid));
    pid->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* resident = new QTableWidgetItem(Text(MemoryText(processes[i].residentBytes)));
    resident->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    processes_->setItem(row, 0, pid);
    processes_->setItem(row, 1, new QTableWidgetItem(Text(processes[i].name)));
    processes_->setItem(row, 2, resident);
  }

  QString problem = Text(sample.problem);
  if (sample.top.unreadable > 0) {
    if (!problem.isEmpty()) problem += QLatin1Char(' ');
    problem += sample.top.unreadable == 1
                   ? QStringLiteral("1 process could not be read and is left out.")
                   : QStringLiteral("%1 processes could not be read and are left out.")
                         .arg(sample.top.unreadable);
  }
  problem_->setText(problem);
  problem_->setVisible(!problem.isEmpty());
  ++samplesDrawn_;
  emit sampleDrawn();
}

}  // namespace memorymonitor
