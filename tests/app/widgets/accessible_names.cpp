#include "accessible_names.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QWidget>

std::vector<std::string> UnnamedControls(const QWidget& window) {
  std::vector<std::string> problems;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isEnabledTo(&window)) {
      continue;
    }
    // The editor and list inside a combo box are announced as the combo box, the viewport of a
    // scrolled view as the view.
    bool part = false;
    for (QWidget* up = control->parentWidget(); up && up != &window; up = up->parentWidget()) {
      const auto* area = qobject_cast<QAbstractScrollArea*>(up);
      part =
          part || qobject_cast<QComboBox*>(up) != nullptr || (area && area->viewport() == control);
    }
    if (part) {
      continue;
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    const std::string who = control->objectName().isEmpty()
                                ? std::string(control->metaObject()->className())
                                : control->objectName().toStdString();
    if (name.trimmed().isEmpty()) {
      problems.push_back(who + ": no accessible name");
      continue;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control);
        button && !button->text().isEmpty()) {
      QString caption = button->text();
      caption.remove(QLatin1Char('&'));
      if (name != caption) {
        problems.push_back(who + ": named \"" + name.toStdString() + "\", captioned \"" +
                           caption.toStdString() + "\"");
      }
    }
  }
  return problems;
}
