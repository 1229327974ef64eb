// Tessal.exe: the memory monitor. "--announce-first-sample" prints one line to standard output
// once the first sample is drawn, for measuring the start-up time.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "memory_monitor_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool announce =
      QApplication::arguments().contains(QStringLiteral("--announce-first-sample"));

  memorymonitor::MemoryMonitorWindow window(std::make_unique<memorymonitor::MemorySampler>());
  if (announce) {
    QObject::connect(&window, &memorymonitor::MemoryMonitorWindow::sampleDrawn, [&window] {
      if (window.samplesDrawn() != 1) return;
      std::puts("first sample drawn");
      std::fflush(stdout);
    });
  }
  window.show();
  return application.exec();
}
