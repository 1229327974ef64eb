#include "default_printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace reports {
namespace {

// Draws the page's lines from the top of the printable area down, one line spacing apart.
void DrawPage(QPrinter& printer, QPainter& painter, const QFont& font, const QString& pageText) {
  const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
  const qreal lineSpacing = QFontMetricsF(font, &printer).lineSpacing();
  qreal top = 0;
  QStringList lines = pageText.split('\n');
  if (lines.constLast().isEmpty()) {
    lines.removeLast();  // the end of the last line
  }
  for (QString line : lines) {
    if (line.endsWith('\r')) {
      line.chop(1);
    }
    QTextLayout layout(line, font, &printer);
    layout.beginLayout();
    for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
      part.setLineWidth(area.width());
    }
    layout.endLayout();
    // An empty line, too, is one line of the layout.
    for (int k = 0; k < layout.lineCount(); ++k) {
      if (top > 0 && top + lineSpacing > area.height()) {
        printer.newPage();
        top = 0;
      }
      QTextLine part = layout.lineAt(k);
      part.setPosition(QPointF(0, 0));
      part.draw(&painter, QPointF(0, top));
      top += lineSpacing;
    }
  }
}

}  // namespace

std::string DefaultPrinter::PrintPage(const PageSettings& settings, const std::string& pageText) {
  QPrinter printer(QPrinter::HighResolution);
  if (printer.printerName().isEmpty()) {
    return "There is no default printer.";
  }
  printer.setDocName(QStringLiteral("Memory and Cache Benchmark Results"));
  printer.setCopyCount(settings.copies);
  printer.setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSizeF(settings.fontSize);

  QPainter painter;
  if (!painter.begin(&printer)) {
    return "The printer \"" + printer.printerName().toStdString() + "\" cannot be used.";
  }
  painter.setFont(font);
  DrawPage(printer, painter, font, QString::fromStdString(pageText));
  if (!painter.end()) {
    return "The printer \"" + printer.printerName().toStdString() + "\" did not take the page.";
  }
  return {};
}

}  // namespace reports
