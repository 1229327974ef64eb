#include "control_names.h"

#include <QWidget>

namespace widgets {

void NameControl(QWidget& control, const std::string& name, int index, const std::string& caption) {
  const std::string objectName = index < 0 ? name : name + "_" + std::to_string(index);
  control.setObjectName(QString::fromStdString(objectName));
  if (!caption.empty()) {
    control.setAccessibleName(QString::fromStdString(caption));
  }
}

}  // namespace widgets
