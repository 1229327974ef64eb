#pragma once

class QValueAxis;

namespace monitorchart {

// Sets a value axis from 0 to a round number above `highest`, in at most five round steps (1, 2,
// 2.5 or 5 times a power of ten), so that its labels read well.
void ScaleToRoundNumbers(QValueAxis* axis, double highest);

}  // namespace monitorchart
