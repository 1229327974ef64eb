#pragma once

#include <string>
#include <vector>

class QWidget;

// The controls of `window` a person uses (those that take the keyboard focus) that a screen reader
// would not name as the person sees them: with no accessible name, or a button whose name is not
// its caption. Each as "objectName: what is wrong".
std::vector<std::string> UnnamedControls(const QWidget& window);
