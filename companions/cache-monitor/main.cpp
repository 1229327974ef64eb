// Kovrin.exe: the cache monitor. "--announce-first-sample" prints one line to standard output
// once the first sample is drawn, for measuring the start-up time.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "cache_monitor_window.h"
#include "cpuid_level_sizes.h"
#include "perf_counter_backend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool announce =
      QApplication::arguments().contains(QStringLiteral("--announce-first-sample"));

  const cachemonitor::CacheLevelSizes sizes = cachemonitor::MachineCacheSizes();
  auto sampler = std::make_unique<cachemonitor::CacheSampler>(
      cachemonitor::WorkingSetsFor(sizes.bytes), cachemonitor::MakePerfCounterBackend());
  cachemonitor::CacheMonitorWindow window(sizes, std::move(sampler));
  if (announce) {
    QObject::connect(&window, &cachemonitor::CacheMonitorWindow::sampleDrawn, [&window] {
      if (window.samplesDrawn() != 1) return;
      std::puts("first sample drawn");
      std::fflush(stdout);
    });
  }
  window.show();
  return application.exec();
}
