#include "round_axis.h"

#include <QValueAxis>
#include <cmath>

namespace monitorchart {

void ScaleToRoundNumbers(QValueAxis* axis, double highest) {
  const double top = highest * 1.1;
  const double magnitude = std::pow(10.0, std::floor(std::log10(top / 4)));
  double step = magnitude * 10;
  for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
    if (top / (multiple * magnitude) <= 5) {
      step = multiple * magnitude;
      break;
    }
  }
  const double steps = std::ceil(top / step);
  axis->setRange(0, steps * step);
  axis->setTickCount(static_cast<int>(steps) + 1);
}

}  // namespace monitorchart
