#pragma once

#include <QLocale>
#include <QString>
#include <array>

constexpr double kSmallestTestSize = 2;
constexpr double kLargestTestSize = 16;

// The test size as sent to the engine: the number the text begins with (blanks anywhere are
// ignored, "." or the locale's decimal separator as the point, no number reads as 0), clamped to
// 2..16, in its shortest decimal form with the locale's decimal separator.
QString TestSizeText(const QString& typed, const QLocale& locale = QLocale());

// Index of the selected prefetch option button, 0 when none is selected.
int PrefetchMode(const std::array<bool, 3>& selected);
