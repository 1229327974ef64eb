#include "cache_monitor_window.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "figure_text.h"
#include "read_kernel.h"
#include "round_axis.h"
#include "sampler_worker.h"

namespace cachemonitor {
namespace {

constexpr qint64 kHistoryMs = 5 * 60 * 1000;
constexpr const char* kLevelNames[kLevelCount] = {"Level 1", "Level 2", "Level 3", "Memory"};

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString SizesText(const CacheLevelSizes& sizes) {
  const auto part = [](const char* name, std::uint64_t bytes, SizeSource source) {
    return QStringLiteral("%1 %2 (%3)")
        .arg(QLatin1String(name), Text(SizeText(bytes)), QLatin1String(SizeSourceName(source)));
  };
  return QStringLiteral("Caches: %1, %2, %3")
      .arg(part("level-1 data", sizes.bytes.level1Data, sizes.level1DataSource),
           part("level 2", sizes.bytes.level2, sizes.level2Source),
           part("level 3", sizes.bytes.level3, sizes.level3Source));
}

QLabel* AddLabel(QGridLayout* grid, const QString& text, int row, int column,
                 const QString& name = {}) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  grid->addWidget(label, row, column);
  return label;
}

}  // namespace

CacheMonitorWindow::CacheMonitorWindow(const CacheLevelSizes& sizes,
                                       std::unique_ptr<CacheSampler> sampler,
                                       std::chrono::milliseconds interval, QWidget* parent)
    : QWidget(parent),
      countersAvailable_(sampler->counters().Available()),
      counterStatus_(Text(sampler->counters().StatusLine())) {
  qRegisterMetaType<CacheSample>();
  setWindowTitle(QStringLiteral("Cache Monitor"));
  const WorkingSets sets = sampler->sets();

  auto* layout = new QVBoxLayout(this);
  auto* sizesLabel = new QLabel(SizesText(sizes));
  sizesLabel->setObjectName(QStringLiteral("cacheSizes"));
  layout->addWidget(sizesLabel);

  auto* grid = new QGridLayout;
  AddLabel(grid, QStringLiteral("<b>Reads by one core</b>"), 0, 0);
  AddLabel(grid, QStringLiteral("<b>Working set</b>"), 0, 1);
  AddLabel(grid, QStringLiteral("<b>Read rate</b>"), 0, 2);
  AddLabel(grid, QStringLiteral("<b>Change</b>"), 0, 3);
  for (std::size_t level = 0; level < kLevelCount; ++level) {
    const int row = static_cast<int>(level) + 1;
    const QString index = QString::number(level);
    AddLabel(grid, QLatin1String(kLevelNames[level]), row, 0);
    QString setText = Text(SizeText(sets[level]));
    if (level == kMemory) setText += QStringLiteral(", evicted from the caches");
    AddLabel(grid, setText, row, 1, QStringLiteral("workingSet_") + index);
    rates_[level] =
        AddLabel(grid, QStringLiteral("measuring..."), row, 2, QStringLiteral("rate_") + index);
    changes_[level] = AddLabel(grid, {}, row, 3, QStringLiteral("change_") + index);
  }
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  missRates_ =
      new QLabel(countersAvailable_ ? QStringLiteral("Miss rates: measuring...") : counterStatus_);
  missRates_->setObjectName(QStringLiteral("missRates"));
  missRates_->setWordWrap(true);
  layout->addWidget(missRates_);

  auto* chart = new QChart;
  chart->setTitle(
      QStringLiteral("Read rate of one core, %1-byte loads (GB/s)").arg(ReadLoadBytes()));
  chart->legend()->setAlignment(Qt::AlignBottom);
  timeAxis_ = new QDateTimeAxis;
  timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
  timeAxis_->setTickCount(6);
  rateAxis_ = new QValueAxis;
  rateAxis_->setLabelFormat(QStringLiteral("%g"));
  rateAxis_->setRange(0, 1);
  chart->addAxis(timeAxis_, Qt::AlignBottom);
  chart->addAxis(rateAxis_, Qt::AlignLeft);
  for (std::size_t level = 0; level < kLevelCount; ++level) {
    series_[level] = new QLineSeries;
    series_[level]->setName(QStringLiteral("%1 (%2)").arg(QLatin1String(kLevelNames[level]),
                                                          Text(SizeText(sets[level]))));
    chart->addSeries(series_[level]);
    series_[level]->attachAxis(timeAxis_);
    series_[level]->attachAxis(rateAxis_);
  }
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(now - kHistoryMs),
                      QDateTime::fromMSecsSinceEpoch(now));
  auto* view = new QChartView(chart);
  view->setObjectName(QStringLiteral("rateChart"));
  view->setAccessibleName(chart->title());
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(560, 300);
  layout->addWidget(view, 1);

  worker_ = new SamplerWorker(std::move(sampler));
  worker_->moveToThread(&thread_);
  connect(worker_, &SamplerWorker::sampled, this, &CacheMonitorWindow::Draw);
  thread_.start();

  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &CacheMonitorWindow::RequestSample);
  resize(780, 560);
}

CacheMonitorWindow::~CacheMonitorWindow() {
  timer_.stop();
  thread_.quit();
  thread_.wait();
  delete worker_;
}

void CacheMonitorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!isMinimized()) StartSampling();
}

void CacheMonitorWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) {
    timer_.stop();
  } else if (isVisible()) {
    StartSampling();
  }
}

void CacheMonitorWindow::StartSampling() {
  if (timer_.isActive()) return;
  timer_.start();
  RequestSample();
}

void CacheMonitorWindow::RequestSample() {
  if (pending_) return;
  pending_ = true;
  QMetaObject::invokeMethod(worker_, &SamplerWorker::Sample, Qt::QueuedConnection);
}

void CacheMonitorWindow::Draw(const CacheSample& sample) {
  pending_ = false;
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  double highest = 0;
  for (std::size_t level = 0; level < kLevelCount; ++level) {
    const std::optional<double> rate = sample.bytesPerSecond[level];
    QLineSeries* series = series_[level];
    if (rate) {
      rates_[level]->setText(Text(RateText(*rate)));
      changes_[level]->setText(Text(ChangeText(*rate, previous_[level])));
      series->append(static_cast<qreal>(now), *rate / 1e9);
    } else {
      rates_[level]->setText(QStringLiteral("no figure"));
      changes_[level]->clear();
    }
    previous_[level] = rate;
    int old = 0;
    while (old < series->count() && series->at(old).x() < now - kHistoryMs) ++old;
    if (old > 0) series->removePoints(0, old);
    for (const QPointF& point : series->points()) highest = std::max(highest, point.y());
  }
  timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(now - kHistoryMs),
                      QDateTime::fromMSecsSinceEpoch(now));
  monitorchart::ScaleToRoundNumbers(rateAxis_, std::max(1.0, highest));
  if (countersAvailable_) {
    QString text = QStringLiteral(
                       "Miss rates of all processes between the sweeps: level-1 data "
                       "%1, last level %2.")
                       .arg(Text(MissRateText(sample.missRates.level1Data)),
                            Text(MissRateText(sample.missRates.lastLevel)));
    if (!counterStatus_.isEmpty()) text += QLatin1Char(' ') + counterStatus_;
    missRates_->setText(text);
  }
  ++samplesDrawn_;
  emit sampleDrawn();
}

}  // namespace cachemonitor
