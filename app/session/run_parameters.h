#pragma once

#include <QLocale>
#include <array>
#include <string>

namespace session {

constexpr double kSmallestTestSize = 2;
constexpr double kLargestTestSize = 16;

// The test size as sent to the engine: the number the typed text begins with (blanks anywhere are
// ignored; digits of any script, so a user may type the locale's own; "." or the locale's decimal
// separator as the point; no number reads as 0), clamped to 2..16, in its shortest decimal form.
// The digits are always ASCII, which is all the engine reads, and the point is the locale's.
std::string TestSizeText(const std::string& typed, const QLocale& locale = QLocale());

// Index of the selected prefetch option button, 0 when none is selected.
int PrefetchMode(const std::array<bool, 3>& selected);

}  // namespace session
